#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "kit/services.h"

class Screen;

// Loads, shows and unloads the game's screens by name and ends the program. A modal screen is
// shown without a nested event loop: the caller's remaining steps run when it closes.
class Navigator : public QObject {
    Q_OBJECT
  public:
    using Factory = std::function<std::unique_ptr<Screen>(Services&)>;

    Navigator();
    ~Navigator() override;

    void setServices(Services& services) { services_ = &services; }
    void registerScreen(const QString& name, Factory factory);

    // The loaded screen of that name, loading it (and running its Form_Load) if needed.
    Screen* load(const QString& name);
    Screen* find(const QString& name) const;
    bool isLoaded(const Screen* screen) const;
    bool isShown(const QString& name) const;

    void show(Screen* screen);
    void hide(Screen* screen);
    // Shows the screen modally; whenClosed runs once it is hidden or unloaded.
    void showModal(Screen* screen, std::function<void()> whenClosed);
    // Runs the screen's Form_Unload and removes it; the program ends when no screen is left.
    void unload(Screen* screen);

    // Ends the program at once, without any screen's unload steps.
    void endProgram();
    bool ended() const { return ended_; }
    void onEnd(std::function<void()> handler) { onEnd_ = std::move(handler); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void closeModal(Screen* screen);
    void disposeLater(std::unique_ptr<Screen> screen);

    Services* services_ = nullptr;
    std::map<QString, Factory> factories_;
    std::vector<std::unique_ptr<Screen>> loaded_;
    std::vector<std::unique_ptr<Screen>> disposed_;
    std::map<const Screen*, std::function<void()>> modalContinuations_;
    std::function<void()> onEnd_;
    bool ended_ = false;
};
