#include "testapp.h"

TestApp::TestApp()
    : App(argc, argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"))
{
}
