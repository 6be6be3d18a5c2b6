#pragma once

#include "TestHost.h"

#include "host/DemoClauses.h"
#include "store/Database.h"

// The demo client's Form 3CA report with every clause filled, as the program creates it.
class FilledReportTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (!env)
            return;
        env->openFilledReport();
    }
};
