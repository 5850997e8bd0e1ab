#pragma once

#include <functional>

#include "kit/screen_id.h"

class Navigator;
class ScreenFlow;
struct Services;

// Makes every screen of the game known to the navigator and connects its end to the flow.
void RegisterScreens(Navigator& nav, ScreenFlow& flow);

// Registers a stand-in for a screen still to come: when shown it runs `effect` on the shared
// state and ends the way the game most often leaves that screen.
void RegisterStandIn(Navigator& nav, ScreenFlow& flow, ScreenId id,
                     std::function<void(Services&)> effect = {});
