#include "kit/navigator.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>
#include <stdexcept>

#include "kit/screen.h"

Navigator::Navigator() {
    if (qApp) {
        qApp->installEventFilter(this);
    }
}

Navigator::~Navigator() {
    if (qApp) {
        qApp->removeEventFilter(this);
    }
    modalContinuations_.clear();
    loaded_.clear();
    disposed_.clear();
}

void Navigator::registerScreen(const QString& name, Factory factory) {
    factories_[name] = std::move(factory);
}

Screen* Navigator::find(const QString& name) const {
    for (const auto& screen : loaded_) {
        if (screen->screenName() == name) {
            return screen.get();
        }
    }
    return nullptr;
}

bool Navigator::isLoaded(const Screen* screen) const {
    return std::any_of(loaded_.begin(), loaded_.end(),
                       [screen](const auto& s) { return s.get() == screen; });
}

bool Navigator::isShown(const QString& name) const {
    const Screen* screen = find(name);
    return screen && screen->isVisible();
}

Screen* Navigator::load(const QString& name) {
    if (Screen* screen = find(name)) {
        return screen;
    }
    auto it = factories_.find(name);
    if (it == factories_.end() || !services_) {
        throw std::logic_error("no screen named " + name.toStdString());
    }
    loaded_.push_back(it->second(*services_));
    Screen* screen = loaded_.back().get();
    screen->Form_Load();
    return screen;
}

void Navigator::show(Screen* screen) {
    if (isLoaded(screen) && !ended_) {
        screen->show();
        if (QGuiApplication::platformName() != "offscreen") {
            screen->raise();
            screen->activateWindow();
        }
    }
}

void Navigator::hide(Screen* screen) {
    if (!isLoaded(screen)) {
        return;
    }
    screen->hide();
    closeModal(screen);
}

void Navigator::showModal(Screen* screen, std::function<void()> whenClosed) {
    if (!isLoaded(screen) || ended_) {
        return;
    }
    modalContinuations_[screen] = std::move(whenClosed);
    screen->setWindowModality(Qt::ApplicationModal);
    show(screen);
}

void Navigator::unload(Screen* screen) {
    auto it = std::find_if(loaded_.begin(), loaded_.end(),
                           [screen](const auto& s) { return s.get() == screen; });
    if (it == loaded_.end()) {
        return;
    }
    screen->Form_Unload();
    // Form_Unload may itself have unloaded other screens; look the screen up again.
    it = std::find_if(loaded_.begin(), loaded_.end(),
                      [screen](const auto& s) { return s.get() == screen; });
    if (it == loaded_.end()) {
        return;
    }
    std::unique_ptr<Screen> owned = std::move(*it);
    loaded_.erase(it);
    owned->hide();
    disposeLater(std::move(owned));
    closeModal(screen);
    if (loaded_.empty()) {
        endProgram();
    }
}

void Navigator::endProgram() {
    if (ended_) {
        return;
    }
    ended_ = true;
    for (const auto& screen : loaded_) {
        screen->hide();
    }
    modalContinuations_.clear();
    if (onEnd_) {
        onEnd_();
    }
}

void Navigator::closeModal(Screen* screen) {
    auto it = modalContinuations_.find(screen);
    if (it == modalContinuations_.end()) {
        return;
    }
    std::function<void()> whenClosed = std::move(it->second);
    modalContinuations_.erase(it);
    if (!ended_ && whenClosed) {
        whenClosed();
    }
}

void Navigator::disposeLater(std::unique_ptr<Screen> screen) {
    // The screen's own handler may still be on the stack: delete it once control is back in
    // the event loop (or when the navigator goes).
    disposed_.push_back(std::move(screen));
    QTimer::singleShot(0, this, [this] { disposed_.clear(); });
}

bool Navigator::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
        return false;
    }
    auto* screen = qobject_cast<Screen*>(static_cast<QWidget*>(watched)->window());
    if (!screen || !screen->keyPreview() || !isLoaded(screen) || ended_) {
        return false;
    }
    screen->previewKey(*static_cast<QKeyEvent*>(event));
    return true;
}
