#pragma once

#include "cli/invocation.h"
#include "commission/comparison.h"
#include "link/modulelink.h"

#include <functional>

namespace cli {

// Runs one command to its end under a running Qt application; the exit code.
int run(const Invocation &invocation);

// The commands, each a straight line of steps through the module link; a
// failed step has said why on stderr and gives the exit code.
class Commands
{
public:
    explicit Commands(const Invocation &invocation) : inv(invocation) {}
    int run();

private:
    int identify();
    int read();
    int save();
    int write();
    int watch();
    int report();
    int scan();

    int writeFile(const zt::ModuleSettings &file);
    int writeEach(const zt::ModuleSettings &file);

    // typeNeeded: a module whose type the catalogue does not list is refused.
    bool connectAndRead(int blocks, int *code, bool typeNeeded = true);
    void await(const std::function<void()> &start);
    int readBlocks(int blocks);
    int ended();
    QString whyNoAnswer() const;
    bool loadFile(const QString &path, zt::ModuleSettings *file, int *code);
    int checkFile(const zt::ModuleSettings &file, int *code);
    int writeDifferences(const zt::ModuleSettings &file, const QVector<zt::commission::Difference> &found);
    void sayWhatTheModuleHolds(const zt::ModuleSettings &file, const QVector<zt::commission::Difference> &found);
    void sayWhatWasWritten(const QVector<zt::filewrite::Step> &steps, int confirmed, int sent,
                           const QVector<zt::commission::Difference> &found);

    const Invocation &inv;
    zt::link::ModuleLink link;
};

} // namespace cli
