#include "testapp.h"

#include "dialogseams.h"

TestApp::TestApp()
    : App(argc, argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"))
{
    TestSupport::watchDialogs();
}
