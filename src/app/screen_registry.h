#pragma once

class ScreenFlow;
struct GameServices;

// Makes every screen of the game known to the services' navigator and connects its end to the
// flow.
void RegisterScreens(GameServices& services, ScreenFlow& flow);
