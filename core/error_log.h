#pragma once
// The common error routine: every unexpected run-time failure is appended to
// the error log in the program folder and then shown in a critical box.

#include "core/runtime_error.h"

#include <QString>
#include <exception>

struct Programmzustand;

// Name of the log file: program name, major, minor and revision, ".LOG".
QString FehlerLogName();
// The log path inside a folder; a separator is added unless it ends in one.
QString FehlerLogPfad(const QString& ordner);

// Appends the entry (date and time, computer, message, 80 dashes) to the log
// and then shows the message. Never throws.
void FehlerMelden(Programmzustand& zustand, const LaufzeitFehler& fehler, const QString& ort);

// The error trap of one operation: each step runs inside it; a failing step
// is reported with the operation's place ("frmTessarolen:Achsen") and the
// operation goes on with its next step.
class Falle {
public:
    Falle(Programmzustand& zustand, QString ort) : zustand_(zustand), ort_(std::move(ort)) {}

    // Runs the step; answers whether it ran through without a failure.
    template <class Schritt>
    bool operator()(Schritt&& schritt) noexcept
    {
        try {
            schritt();
            return true;
        } catch (const LaufzeitFehler& e) {
            FehlerMelden(zustand_, e, ort_);
        } catch (const std::exception& e) {
            FehlerMelden(zustand_, LaufzeitFehler(51, QString::fromLocal8Bit(e.what())), ort_);
        }
        return false;
    }

    const QString& ort() const { return ort_; }

private:
    Programmzustand& zustand_;
    QString ort_;
};
