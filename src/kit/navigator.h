#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "kit/screen_key.h"

class FullScreenStage;
class QWindow;
class Screen;

// Loads, shows and unloads the game's screens and ends the program. A modal screen is shown
// without a nested event loop: the steps that follow it run when it closes. Keys reach a screen
// with key preview through its preview handlers first. F11 on any screen shows the game full
// screen, and back.
class Navigator : public QObject {
    Q_OBJECT
  public:
    using Factory = std::function<std::unique_ptr<Screen>()>;
    using Step = std::function<void()>;

    Navigator();
    ~Navigator() override;

    void registerScreen(ScreenKey id, Factory factory);

    // The loaded screen, loading it (and running its Form_Load) if needed.
    Screen* load(ScreenKey id);
    Screen* find(ScreenKey id) const;
    bool isLoaded(const Screen* screen) const;
    bool isShown(ScreenKey id) const;

    void show(Screen* screen);
    void hide(Screen* screen);
    // Shows the screen modally over its owner. When it closes, whenClosed runs, then the
    // owner's AfterModal, as long as the owner is still loaded.
    void showModal(Screen* screen, Screen* owner, Step whenClosed = {});
    // `from` gives way to `to`: from is unloaded, and to is shown modally in its place. When to
    // closes, whenClosed runs, then whatever was waiting for from.
    void handOver(Screen* from, Screen* to, Step whenClosed = {});
    // Runs the screen's Form_Unload, stops its timers and removes it; a modal screen's waiting
    // steps run; the program ends when no screen is left.
    void unload(Screen* screen);

    // Unloads the screen and ends the program; nothing that waited for the screen runs.
    void unloadAndEnd(Screen* screen);
    // Ends the program at once, without any screen's unload steps. Works before the event loop
    // has started as well as inside it.
    void endProgram();
    // Ends the program as closing its windows would, for a request from outside (a logout):
    // each screen, top first, closes as its window's close button closes it, so that what it
    // keeps is kept, and then unloads; nothing that waited for a screen starts anything new.
    void closeAll();
    bool ended() const { return ended_; }
    void onEnd(std::function<void()> handler) { onEnd_ = std::move(handler); }

    void toggleFullScreen();
    // Full screen or back, as F11 would; nothing when the game already is so.
    void setFullScreen(bool on);
    // The full-screen stage, once F11 has made it.
    FullScreenStage* stage() const { return stage_.get(); }
    // The shown screens, bottom to top: modal ones above the others.
    std::vector<QWidget*> shownScreens() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Screen* screenOf(const QWindow* window) const;
    std::vector<Step> takeWaitingSteps(Screen* screen);
    void runSteps(const std::vector<Step>& steps);
    void remove(Screen* screen);
    void disposeLater(std::unique_ptr<Screen> screen);

    std::map<ScreenKey, Factory> factories_;
    std::vector<std::unique_ptr<Screen>> loaded_;
    std::vector<std::unique_ptr<Screen>> disposed_;
    // What runs when a modal screen closes.
    std::map<const Screen*, std::vector<Step>> waiting_;
    // Screens inside Qt's show, and those of them asked to close meanwhile.
    std::vector<Screen*> showing_;
    std::vector<Screen*> closeWhenShown_;
    std::function<void()> onEnd_;
    std::unique_ptr<FullScreenStage> stage_;
    bool ended_ = false;
};
