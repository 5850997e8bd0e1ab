// Cost of one full repaint of the play field: the play screen's canvas at level 1, stage 1 (the
// picture, the red line, the protractor marks) rendered into an image, beside a plain fill of an
// image of the field's size, in microseconds per repaint. Each figure is the fastest of 50 batches,
// the one least disturbed by whatever else the machine runs.
//   tezra_paint_bench [repaints]      (2000 by default; offscreen unless QT_QPA_PLATFORM says)
#include <QApplication>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "app/screen_flow.h"
#include "app/screen_registry.h"
#include "art/sprites.h"
#include "doubles/always_alone.h"
#include "doubles/recording_sound.h"
#include "doubles/virtual_clock.h"
#include "fastest.h"
#include "kit/field_canvas.h"
#include "kit/navigator.h"
#include "kit/screen.h"
#include "state/game_services.h"
#include "state/game_state.h"
#include "state/random_source.h"
#include "state/run_memory.h"

namespace {
double microsecondsPerRun(int runs, const std::function<void()>& once) {
    constexpr int kBatches = 50;
    return 1e3 * FastestMsPerRun(kBatches, runs / kBatches, once);
}
}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(50, atoi(argv[1])) : 2000;

    GameState state;
    RunMemory run;
    VirtualClock clock;
    SeededRandom random(1);
    RecordingSoundSystem sound;
    Navigator nav;
    AlwaysAlone instance;
    GameServices services{{clock, nav}, state, run, random, sound, instance, QString(), QString()};
    ScreenFlow flow(nav, state);
    RegisterScreens(services, flow);
    FillInvaderPictures(state);
    state.gLevel = 1;
    state.gStage = 1;
    Screen* play = nav.load(ScreenId::Play);
    nav.show(play);
    auto* field = play->findChild<FieldCanvas*>("picMain");

    QImage target(field->size(), QImage::Format_RGB32);
    const double fill = microsecondsPerRun(runs, [&] { target.fill(Qt::red); });
    const double own = microsecondsPerRun(
        runs, [&] { field->render(&target, {}, {}, QWidget::DrawWindowBackground); });
    const double withChildren = microsecondsPerRun(runs, [&] { field->render(&target); });
    std::printf("%d x %d field, fastest of 50 batches of %d\n", field->width(), field->height(),
                runs / 50);
    std::printf("plain fill of the image        %8.1f us\n", fill);
    std::printf("field repaint                  %8.1f us  (%.1f fills)\n", own, own / fill);
    std::printf("field repaint with its labels  %8.1f us  (%.1f fills)\n", withChildren,
                withChildren / fill);
    return 0;
}
