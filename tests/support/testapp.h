#pragma once

#include "app.h"
#include "dialogseams.h"
#include "privatehome.h"

#include <QtTest>

// Command-line arguments for an application object made inside a test, with the
// real executable's name, so that Qt's default folders are the program's.
struct AppArgs
{
    int argc = 1;
    char name[16] = "Lumastrand";
    char* argv[2] = { name, nullptr };
};

// The program's application object, with the dialog seams in test mode.
class TestApp : private AppArgs, public QMWidgets::App
{
public:
    TestApp();
};

// A main() that runs the test object under the program's application object,
// made from the test's own command line, in a private home folder.
#define LUMASTRAND_APP_TEST_MAIN(TestObject)                                                                 \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        const TestSupport::PrivateHome home;                                                                 \
        QMWidgets::App app(argc, argv, QStringLiteral("Halvick"), QStringLiteral("Lumastrand"));             \
        TestSupport::watchDialogs();                                                                         \
        TestObject test;                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
