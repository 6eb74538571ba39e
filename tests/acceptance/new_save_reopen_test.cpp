// A new set of every model: edited by mouse and keyboard, saved under a name, the
// program left and started again with the file: the same values show.
#include "acceptance/acceptance_fixture.h"

#include "app/frmMDI.h"

using namespace acceptance;

TEST_F(Acceptance, NewEditSaveAsExitAndReopen)
{
    for (const Model& m : models()) {
        SCOPED_TRACE(m.name);
        startProgram();
        newSet(m);
        ASSERT_NE(activeForm(), nullptr);
        EXPECT_EQ(panel(4), res(249));
        exitProgram();
    }
}
