// An animation that runs on the main window's timer: it takes the main
// trigger when it is constructed. The application names its main window's
// trigger once at start-up.
#pragma once

#include "toolkit/scroll/AnimElement.h"

class AnimTrigger;

// Not owned; nullptr clears it (a trigger being destroyed clears itself).
void SetMainAnimTrigger(AnimTrigger* trigger);
AnimTrigger* MainAnimTrigger();

class RSAnimElement : public AnimElement {
public:
    RSAnimElement();
};
