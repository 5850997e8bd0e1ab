#pragma once

#include <QImage>
#include <QString>
#include <array>

#include "state/checked_int.h"

// The variables every screen shares. All start zero or empty. What only the play uses (the
// invaders, the angles hit last, the count left, the typed angle and the target) its model keeps.
struct GameState {
    std::array<std::array<QImage, 3>, 4> gInvPictures;  // colour 0..3, frame 0..2
    Int16 gLevel;
    Int16 gStage;
    Int32 gScore;
    Int32 gHiScore;
    QString gHiName;
    QString gAppDir;
    QString gDataDir;
    QString gFileNo;
    QString gNoteText;
    Int16 gReadMeShown;
    Int16 gRetryFlag;
    float gTwipsX = 0;
    float gTwipsY = 0;
    float gTwipsMin = 0;
    Int16 gBgmOn;
};
