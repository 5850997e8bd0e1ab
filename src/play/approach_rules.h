#pragma once

// Milliseconds until an invader's next step, from its distance d before the step.
int ApproachInterval(int level, int slot, int nearSlot, int rest, int angle, int d);
