#pragma once

class Navigator;

// Makes every screen of the game known to the navigator by its name.
void RegisterScreens(Navigator& nav);
