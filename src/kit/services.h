#pragma once

class Clock;
class Navigator;

// What the kit gives every screen: the clock its timers tick from and the navigation. A game
// extends it with its own services.
struct Services {
    Clock& clock;
    Navigator& nav;
};
