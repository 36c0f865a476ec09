#ifndef E2EFIXTURE_H
#define E2EFIXTURE_H

// The fixture the scenarios share: one virtual display for a whole suite, and for each scenario a
// program of its own on a fresh copy of the data (started by the scenario, or by Start).
#include "E2eSession.h"

#include <gtest/gtest.h>
#include <memory>

class CE2eFixture : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { iDisplay = new CE2eDisplay; }
    static void TearDownTestSuite()
    {
        delete iDisplay;
        iDisplay = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(iDisplay->IsRunning());
        iProgram.reset(new CE2eProgram(*iDisplay));
    }
    // Starts the program and keeps its first settled picture as iMain.
    void Start()
    {
        ASSERT_TRUE(iProgram->Start());
        iMain = iProgram->Frame();
        ASSERT_FALSE(iMain.IsEmpty());
    }

    inline static CE2eDisplay* iDisplay = nullptr;
    std::unique_ptr<CE2eProgram> iProgram;
    TE2eFrame iMain;
};

#endif // E2EFIXTURE_H
