#pragma once

#include <QString>
#include <QWidget>

#include "kit/services.h"

class QKeyEvent;

// A window of the game. The navigator loads, shows and unloads screens; a screen with key
// preview sees every key pressed in it before its controls do.
class Screen : public QWidget {
    Q_OBJECT
  public:
    Screen(Services& services, const QString& name);

    const QString& screenName() const { return name_; }

    // Run by the navigator once the screen is constructed, and when it is unloaded.
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    // Key preview handlers; keyAscii is 0 for keys that type no character.
    virtual void Form_KeyDown(int /*keyCode*/, int /*shift*/) {}
    virtual void Form_KeyPress(char32_t /*keyAscii*/) {}

    bool keyPreview() const { return keyPreview_; }
    void setKeyPreview(bool on) { keyPreview_ = on; }

    // Delivers one key press as the window would: KeyDown, then the focused button for Enter,
    // then KeyPress. The event never reaches a control as well, so no key acts twice.
    void previewKey(const QKeyEvent& event);

    // Sizes the window to the given client size and centres it on the available screen area.
    void sizeAndCentre(int width, int height);

  protected:
    void closeEvent(QCloseEvent* event) override;
    // A close from the window system (its close button or the window manager's Alt+F4).
    virtual void closeRequested();

    Services& sv;

  private:
    QString name_;
    bool keyPreview_ = false;
};
