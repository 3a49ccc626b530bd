#pragma once

// The program's command line, in the platform's conventions. Without an option the window
// starts and opens the one scheme file named, if any. The options check and export scheme files
// without a window: they need no display, so the program decides before it makes one.

#include <QCommandLineParser>
#include <QString>
#include <cstdio>

class FileSystem;

class CommandLine {
public:
    CommandLine(int argc, char** argv);

    // No option and at most one file: the window starts.
    bool OpensWindow() const { return opensWindow_; }
    // The file for the window to open, relative paths taken from the current folder; empty for
    // none.
    QString WindowFile() const;

    // Runs what the options ask for, writing to out and err, and returns the exit status: 0 done
    // (every checked line reaches its level), 1 a checked line falls short, 2 a file that cannot
    // be checked, exported or written, or a wrong command line. Needs a QCoreApplication, whose
    // name and version --help and --version give.
    int Run(FileSystem& files, std::FILE* out, std::FILE* err) const;

private:
    int check(FileSystem& files, std::FILE* out, std::FILE* err) const;
    int exportScheme(FileSystem& files, std::FILE* out, std::FILE* err) const;

    QCommandLineParser parser_;
    QString error_;
    bool opensWindow_ = false;
};
