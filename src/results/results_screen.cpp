#include "results/results_screen.h"

#include <QDateTime>
#include <QDir>
#include <QVBoxLayout>

#include "persist/shot_record_format.h"
#include "results/frm_results.h"
#include "state/run_memory.h"
#include "state/screen_id.h"

ResultsScreen::ResultsScreen(GameServices& services)
    : Screen(services, ScreenId::Results, kName),
      results_(new FrmResults(QDir(services.dataDir).filePath(kShotRecordFile),
                              QDateTime::currentDateTime(), services.run.settings.grid, this)) {
    setWindowKind(WindowKind::Dialog);
    setCaption(QStringLiteral("きろく"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(results_);
    connect(results_, &FrmResults::closed, this, &ResultsScreen::closed);
    // Centred like the other dialogs, also where no window manager places it.
    sizeAndCentre(results_->width(), results_->height());
}

void ResultsScreen::closeRequested() {
    emit closed();
}
