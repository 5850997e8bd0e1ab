#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>

#include "kit/screen.h"
#include "support/play_fixture.h"

namespace {
bool composite(const QWidget* w) {
    return qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractScrollArea*>(w);
}
// A control a child or teacher can reach; the inner parts of one are named by the control.
bool reachable(const QWidget& w, const QWidget& screen) {
    for (const QWidget* p = w.parentWidget(); p != &screen; p = p->parentWidget()) {
        if (composite(p)) {
            return false;
        }
    }
    return composite(&w) || qobject_cast<const QAbstractButton*>(&w) ||
           w.focusPolicy() != Qt::NoFocus;
}
// What the accessibility bridge hands a screen reader says something: a picture or a lone
// symbol does not.
bool spoken(QWidget& w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&w);
    const QString name = face ? face->text(QAccessible::Name) : QString();
    return std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetterOrNumber(); });
}
}  // namespace

class AccessibleNamesTest : public PlayFixture {};

// Every screen the game registers, so that a screen added later without names fails here.
TEST_F(AccessibleNamesTest, EveryControlOfEveryScreenHasASpokenName) {
    run.settings.keypad = true;
    state.gScore = 5000;  // the name entry needs a high score
    start(1, 1);
    for (int id = 0; id <= static_cast<int>(ScreenId::AskName); ++id) {
        Screen* screen = nav.load(static_cast<ScreenId>(id));
        ASSERT_NE(screen, nullptr) << id;
        for (QWidget* w : screen->findChildren<QWidget*>()) {
            if (reachable(*w, *screen)) {
                EXPECT_TRUE(spoken(*w))
                    << screen->objectName().toStdString() << " / " << w->objectName().toStdString();
            }
        }
    }
}
