#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "kit/game_timer.h"
#include "kit/screen_key.h"
#include "kit/services.h"

class Navigator;
class QKeyEvent;

// The kinds of window a screen can be.
enum class WindowKind {
    Captioned,   // a fixed-size top-level window with a caption
    Dialog,      // a fixed-size dialog owned by the screen that opened it
    Borderless,  // no caption or title bar, a thin fixed border, laid over another screen
};

// A window of the game. The navigator loads, shows and unloads screens; a screen with key
// preview sees every key pressed in it before its controls do.
class Screen : public QWidget {
    Q_OBJECT
  public:
    Screen(Services& services, ScreenKey id, const QString& name);
    ~Screen() override;

    ScreenKey id() const { return id_; }

    // Run by the navigator once the screen is constructed, and when it is unloaded.
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    // Runs each time the navigator has shown the screen, once Qt has finished showing it.
    virtual void Form_Activate() {}
    // A modal screen this one opened has closed: the steps that follow it.
    virtual void AfterModal(ScreenKey /*closed*/) {}
    // Key preview handlers; keyAscii is 0 for keys that type no character.
    virtual void Form_KeyDown(int /*keyCode*/, int /*shift*/) {}
    virtual void Form_KeyPress(char32_t /*keyAscii*/) {}
    // Keys the screen handles itself, kept from the focused control. Every other key goes on
    // to the focused control after the preview, as in any dialog.
    virtual bool KeepsKey(int /*keyCode*/) const { return false; }

    bool keyPreview() const { return keyPreview_; }
    void setKeyPreview(bool on) { keyPreview_ = on; }
    // Text from an input method reaches Form_KeyPress character by character.
    bool takesText() const { return takesText_; }
    void setTakesText(bool on);

    // Delivers one key press to the preview handlers: KeyDown, then KeyPress for a key that
    // types a character. Returns whether the screen keeps the key from the focused control.
    bool previewKey(const QKeyEvent& event);
    // Delivers committed input-method text to Form_KeyPress.
    void previewText(const QString& text);

    // A timer that belongs to this screen, a child of it: unloading the screen stops it.
    GameTimer* makeTimer(int intervalMs, bool enabled, std::function<void()> handler);
    void stopAllTimers();

    // The colour the window shows where no control covers it.
    void setBackColour(const QColor& colour);
    void setWindowKind(WindowKind kind);
    // The caption; an empty one stays empty (the window system would put the program's name
    // in its place).
    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }
    // Room the window system's title bar and borders take around a window, in device pixels:
    // they do not grow with Qt's scale factor.
    static constexpr QSize kFrameAllowance{16, 48};

    // Sizes the window to the given client size and centres it on the available screen area.
    // A window with a layout is made smaller where the area is, down to what its layout needs,
    // so that it and its frame stay on the screen.
    void sizeAndCentre(int width, int height);
    // Sizes and places the window exactly over the widget's area on screen.
    void placeOver(const QWidget& area);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // A close from the window system (its close button or the window manager's Alt+F4).
    virtual void closeRequested();

    Navigator& nav() const { return services_.nav; }

  private:
    QList<GameTimer*> timers() const;

    Services& services_;
    ScreenKey id_;
    bool keyPreview_ = false;
    bool takesText_ = false;
    WindowKind kind_ = WindowKind::Captioned;
    QString caption_;
};

// A screen of a game whose services extend the kit's: `sv` gives the game's own.
template <typename GameServices>
class ScreenWith : public Screen {
  protected:
    ScreenWith(GameServices& services, ScreenKey id, const QString& name)
        : Screen(services, id, name), sv(services) {}

    GameServices& sv;
};
