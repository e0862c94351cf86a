#include "TestWorkDir.h"

#include "app/WorkDirectory.h"

TestWorkDir::TestWorkDir()
{
    WorkDirectory::initPrivate(dir.path());
}

QString TestWorkDir::tempDir() const
{
    return WorkDirectory::tempDir();
}
