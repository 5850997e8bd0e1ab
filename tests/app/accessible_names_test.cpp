#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>

#include "kit/screen.h"
#include "support/play_fixture.h"

namespace {
// Controls a child or teacher can reach: the ones a screen reader must be able to name. The
// inner parts of a composite control are named by the control itself.
bool isControl(const QWidget& w) {
    return qobject_cast<const QAbstractButton*>(&w) || qobject_cast<const QAbstractSpinBox*>(&w) ||
           qobject_cast<const QComboBox*>(&w) || qobject_cast<const QAbstractScrollArea*>(&w) ||
           w.focusPolicy() != Qt::NoFocus;
}
bool insideComposite(const QWidget& w, const QWidget& screen) {
    for (const QWidget* p = w.parentWidget(); p && p != &screen; p = p->parentWidget()) {
        if (qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QComboBox*>(p) ||
            qobject_cast<const QAbstractScrollArea*>(p)) {
            return true;
        }
    }
    return false;
}
// What the accessibility bridge hands the screen reader: a picture or a lone symbol says nothing.
QString spokenName(QWidget& w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&w);
    const QString name = face ? face->text(QAccessible::Name) : QString();
    return std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetterOrNumber(); })
               ? name
               : QString();
}
}  // namespace

// Every screen the game can show, each control named in words: a screen added later without
// names fails here.
class AccessibleNamesTest : public PlayFixture {};

TEST_F(AccessibleNamesTest, EveryControlOfEveryScreenHasASpokenName) {
    run.settings.keypad = true;
    state.gScore = 5000;  // the name entry needs a high score
    start(1, 1);
    for (int id = 0; id <= static_cast<int>(ScreenId::AskName); ++id) {
        Screen* screen = nav.load(static_cast<ScreenId>(id));
        ASSERT_NE(screen, nullptr) << id;
        for (QWidget* w : screen->findChildren<QWidget*>()) {
            if (isControl(*w) && !insideComposite(*w, *screen)) {
                EXPECT_FALSE(spokenName(*w).isEmpty())
                    << screen->objectName().toStdString() << " / " << w->objectName().toStdString()
                    << " (" << w->metaObject()->className() << ")";
            }
        }
    }
}
