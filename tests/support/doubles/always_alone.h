#pragma once

#include "kit/single_instance.h"

// Every copy is alone: no lock file is made.
class AlwaysAlone : public SingleInstance {
  public:
    bool acquire() override { return true; }
};
