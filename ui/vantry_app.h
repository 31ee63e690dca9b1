#pragma once

#include "ui/framework/framework.h"

namespace vantry::app {

class CVantryApp : public framework::CWinApp {
public:
    bool InitInstance() override;
};

}  // namespace vantry::app
