#pragma once

#include <QImage>
#include <QString>
#include <array>

#include "state/checked_int.h"

// Marks an empty invader slot, no target and no shot under way.
inline constexpr int kEmptySlot = 999;
// Marks a slot whose invader is gone for the rest of the stage.
inline constexpr int kRetiredSlot = 185;

// The variables every screen shares. All start zero or empty.
struct GameState {
    std::array<std::array<QImage, 3>, 4> gInvPictures;  // colour 0..3, frame 0..2
    std::array<Int16, 3> gInvDist{};
    std::array<Int16, 3> gInvAngle{};
    Int16 gLastAngle1;
    Int16 gLastAngle2;
    Int16 gLastAngle3;
    Int16 gRest;
    Int16 gLevel;
    Int16 gStage;
    Int16 gInputAngle;
    Int32 gScore;
    Int32 gHiScore;
    QString gHiName;
    QString gAppDir;
    QString gDataDir;
    QString gFileNo;
    QString gNoteText;
    Int16 gReadMeShown;
    Int16 gDemoPhase;
    Int16 gTarget;
    Int16 gRetryFlag;
    float gTwipsX = 0;
    float gTwipsY = 0;
    float gTwipsMin = 0;
    Int16 gBgmOn;
};
