#include "kit/navigator.h"

#include <QApplication>
#include <QCloseEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <stdexcept>

#include "kit/full_screen_stage.h"
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
    stage_.reset();
    waiting_.clear();
    loaded_.clear();
    disposed_.clear();
}

void Navigator::registerScreen(ScreenKey id, Factory factory) {
    factories_[id] = std::move(factory);
}

Screen* Navigator::find(ScreenKey id) const {
    for (const auto& screen : loaded_) {
        if (screen->id() == id) {
            return screen.get();
        }
    }
    return nullptr;
}

bool Navigator::isLoaded(const Screen* screen) const {
    return std::any_of(loaded_.begin(), loaded_.end(),
                       [screen](const auto& s) { return s.get() == screen; });
}

bool Navigator::isShown(ScreenKey id) const {
    const Screen* screen = find(id);
    return screen && screen->isVisible();
}

Screen* Navigator::load(ScreenKey id) {
    if (Screen* screen = find(id)) {
        return screen;
    }
    auto it = factories_.find(id);
    if (it == factories_.end()) {
        throw std::logic_error("no screen registered for this id");
    }
    loaded_.push_back(it->second());
    Screen* screen = loaded_.back().get();
    screen->Form_Load();
    return screen;
}

void Navigator::show(Screen* screen) {
    if (!isLoaded(screen) || ended_) {
        return;
    }
    showing_.push_back(screen);
    screen->show();
    showing_.pop_back();
    if (std::erase(closeWhenShown_, screen) > 0) {
        // Closed from inside its own show event: close it now that Qt has finished showing
        // it, or Qt would keep a modal window that is no longer there blocking every input.
        unload(screen);
        return;
    }
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        screen->raise();  // the offscreen platform only warns that it cannot
    }
    screen->activateWindow();
    screen->Form_Activate();
}

void Navigator::hide(Screen* screen) {
    if (!isLoaded(screen)) {
        return;
    }
    screen->hide();
    runSteps(takeWaitingSteps(screen));
}

void Navigator::showModal(Screen* screen, Screen* owner, Step whenClosed) {
    if (!isLoaded(screen) || ended_) {
        return;
    }
    std::vector<Step>& steps = waiting_[screen];
    if (whenClosed) {
        steps.push_back(std::move(whenClosed));
    }
    if (owner) {
        const ScreenKey closed = screen->id();
        steps.push_back([this, owner, closed] {
            if (isLoaded(owner)) {
                owner->AfterModal(closed);
            }
        });
    }
    screen->setWindowModality(Qt::ApplicationModal);
    if (owner && owner->isVisible()) {
        // A dialog stays above the screen that opened it and has no taskbar entry of its own.
        screen->winId();
        owner->winId();
        screen->windowHandle()->setTransientParent(owner->windowHandle());
    }
    show(screen);
}

void Navigator::handOver(Screen* from, Screen* to, Step whenClosed) {
    std::vector<Step> steps;
    if (whenClosed) {
        steps.push_back(std::move(whenClosed));
    }
    for (Step& step : takeWaitingSteps(from)) {
        steps.push_back(std::move(step));
    }
    remove(from);
    if (ended_ || !isLoaded(to)) {
        return;
    }
    waiting_[to] = std::move(steps);
    to->setWindowModality(Qt::ApplicationModal);
    show(to);
}

void Navigator::unload(Screen* screen) {
    if (!isLoaded(screen)) {
        return;
    }
    if (std::find(showing_.begin(), showing_.end(), screen) != showing_.end()) {
        closeWhenShown_.push_back(screen);
        return;
    }
    std::vector<Step> steps = takeWaitingSteps(screen);
    remove(screen);
    runSteps(steps);
}

void Navigator::remove(Screen* screen) {
    screen->Form_Unload();
    // Form_Unload may itself have unloaded this screen.
    auto it = std::find_if(loaded_.begin(), loaded_.end(),
                           [screen](const auto& s) { return s.get() == screen; });
    if (it == loaded_.end()) {
        return;
    }
    screen->stopAllTimers();
    std::unique_ptr<Screen> owned = std::move(*it);
    loaded_.erase(it);
    owned->hide();
    disposeLater(std::move(owned));
    if (loaded_.empty()) {
        endProgram();
    }
}

std::vector<Navigator::Step> Navigator::takeWaitingSteps(Screen* screen) {
    auto it = waiting_.find(screen);
    if (it == waiting_.end()) {
        return {};
    }
    std::vector<Step> steps = std::move(it->second);
    waiting_.erase(it);
    return steps;
}

void Navigator::runSteps(const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        if (ended_) {
            return;
        }
        step();
    }
}

void Navigator::unloadAndEnd(Screen* screen) {
    endProgram();
    if (isLoaded(screen)) {
        remove(screen);
    }
}

void Navigator::endProgram() {
    if (ended_) {
        return;
    }
    ended_ = true;
    if (stage_) {
        stage_->leave();
    }
    for (const auto& screen : loaded_) {
        screen->stopAllTimers();
        screen->hide();
    }
    waiting_.clear();
    if (onEnd_) {
        onEnd_();
    }
}

void Navigator::closeAll() {
    if (ended_) {
        return;  // on its way out already
    }
    std::vector<QWidget*> topFirst = shownScreens();
    std::reverse(topFirst.begin(), topFirst.end());
    endProgram();
    const auto close = [this](Screen* screen) {
        QCloseEvent event;
        QCoreApplication::sendEvent(screen, &event);
        if (isLoaded(screen)) {
            remove(screen);
        }
    };
    for (QWidget* shown : topFirst) {
        if (isLoaded(static_cast<Screen*>(shown))) {
            close(static_cast<Screen*>(shown));
        }
    }
    // Hidden ones last, and any a closing screen loaded in its place.
    while (!loaded_.empty()) {
        close(loaded_.back().get());
    }
}

void Navigator::disposeLater(std::unique_ptr<Screen> screen) {
    // The screen's own handler may still be on the stack: delete it once control is back in
    // the event loop (or when the navigator goes).
    disposed_.push_back(std::move(screen));
    QTimer::singleShot(0, this, [this] { disposed_.clear(); });
}

void Navigator::toggleFullScreen() {
    if (!stage_) {
        stage_ = std::make_unique<FullScreenStage>([this] { return shownScreens(); });
    }
    if (stage_->active()) {
        stage_->leave();
    } else {
        stage_->enter();
    }
}

void Navigator::setFullScreen(bool on) {
    if (on != (stage_ && stage_->active())) {
        toggleFullScreen();
    }
}

std::vector<QWidget*> Navigator::shownScreens() const {
    std::vector<QWidget*> shown;
    for (const auto& screen : loaded_) {
        if (screen->isVisible()) {
            shown.push_back(screen.get());
        }
    }
    std::stable_partition(shown.begin(), shown.end(),
                          [](const QWidget* w) { return w->windowModality() == Qt::NonModal; });
    return shown;
}

Screen* Navigator::screenOf(const QWindow* window) const {
    for (const auto& screen : loaded_) {
        if (screen->windowHandle() == window) {
            return screen.get();
        }
    }
    return nullptr;
}

bool Navigator::eventFilter(QObject* watched, QEvent* event) {
    if (ended_) {
        return false;
    }
    if (event->type() == QEvent::KeyPress && watched->isWindowType()) {
        // A key reaches the window before its focused control: the one place to preview it,
        // exactly once per key.
        Screen* screen = screenOf(static_cast<QWindow*>(watched));
        auto* key = static_cast<QKeyEvent*>(event);
        if (screen && key->key() == Qt::Key_F11) {
            if (!key->isAutoRepeat()) {
                toggleFullScreen();
            }
            return true;
        }
        // Tab and Backtab belong to the focus chain, as in any dialog.
        if (!screen || !screen->keyPreview() || key->key() == Qt::Key_Tab ||
            key->key() == Qt::Key_Backtab) {
            return false;
        }
        return screen->previewKey(*key);
    }
    if (event->type() == QEvent::InputMethod && watched->isWidgetType()) {
        auto* screen = qobject_cast<Screen*>(static_cast<QWidget*>(watched)->window());
        if (!screen || !isLoaded(screen) || !screen->takesText()) {
            return false;
        }
        screen->previewText(static_cast<QInputMethodEvent*>(event)->commitString());
        return true;
    }
    return false;
}
