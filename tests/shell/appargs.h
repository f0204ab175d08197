#pragma once

// Command-line arguments for an application object made inside a test. The
// program name is the real executable's, so the folders that Qt's default
// names give are the same as in the program.
struct AppArgs
{
    int argc = 1;
    char name[16] = "Lumastrand";
    char* argv[2] = { name, nullptr };
};
