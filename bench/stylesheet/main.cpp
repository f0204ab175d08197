// Measures how long the style-sheet editor takes to open a style sheet of one
// endless line and to show it: the time of the load and of the first paint of
// the window, and the peak memory of the process.
//
// Usage: bench_stylesheet [megabytes [blanks]]
//   megabytes: default 5; blanks: words with blanks between them instead of a
//   minified style sheet.

#include "csseditor/cssdoc.h"
#include "csseditor/csseditor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int megabytes = argc > 1 ? std::atoi(argv[1]) : 5;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.qss"));
    QByteArray line;
    // Minified style sheets have no blanks at all.
    const bool blanks = argc > 2 && QByteArray(argv[2]) == "blanks";
    const QByteArray rule = blanks ? QByteArray("QPushButton#name { color: #102030; } /* note */ ")
                                   : QByteArray("QPushButton#name{color:#102030;background:rgb(1,2,3);}");
    while (line.size() < megabytes * 1024 * 1024)
        line += rule;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(line) != line.size())
        return 1;
    file.close();

    QMWidgets::CssEditor editor;
    editor.resize(900, 700);
    editor.show();
    QApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    if (!editor.doc()->loadFile(path))
        return 1;
    const qint64 loaded = timer.elapsed();
    editor.repaint();
    editor.doc()->viewport()->repaint();
    QApplication::processEvents();
    const qint64 shown = timer.elapsed();

    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("one line of %d MB%s: loaded in %lld ms, shown after %lld ms, peak memory %ld MB\n",
                megabytes, blanks ? " with blanks" : "", static_cast<long long>(loaded),
                static_cast<long long>(shown), usage.ru_maxrss / 1024);
    return 0;
}
