#pragma once

#include <QString>
#include <QStringList>
#include <chrono>

// Starts a program from an argument vector, never through a shell. The child
// reads its standard input from /dev/null and runs in a session of its own, so
// it outlives the program and is not hit by the terminal's signals.
class SpawnedProcess {
public:
    enum class State { FailedToStart, Exited, Crashed, StillRunning };

    struct Outcome {
        State state = State::FailedToStart;
        int error = 0;    // FailedToStart: the errno of the failed start
        int exitCode = 0; // Exited
    };

    // Starts `program` (a path to the file, not looked up on PATH) and waits
    // at most `limit` for it to end. A child still running then is left to
    // run and reaped in the background when it ends.
    static Outcome run(const QString& program, const QStringList& arguments,
                       std::chrono::milliseconds limit);
};
