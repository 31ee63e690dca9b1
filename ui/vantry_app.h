#pragma once

#include "framework/framework.h"

class CVantryApp : public CWinApp {
public:
    bool InitInstance() override;
};
