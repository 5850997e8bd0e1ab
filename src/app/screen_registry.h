#pragma once

class Navigator;
class ScreenFlow;

// Makes every screen of the game known to the navigator and connects its end to the flow.
void RegisterScreens(Navigator& nav, ScreenFlow& flow);
