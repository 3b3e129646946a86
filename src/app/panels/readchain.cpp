// The read chain: identification, configuration, options, limits and
// inversion, each asked of the module link once the one before is shown (in
// the link's read order), then the live values on every poll tick. What a
// block shows may write it back (the form's handlers): that write goes out
// before the next block is read.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "app/files/filecommands.h"
#include "app/panels/channelpanel.h"

#include "messages.h"
#include "link/blockreads.h"
#include "link/modulelink.h"
#include "module/codec.h"

namespace {
constexpr int PollMs = 700;
} // namespace

using zt::commission::ModuleState;

// A reply as if the transport had delivered it.
void MainWindow::onSetReadStendData(QModbusDataUnit unit)
{
    link->takeReply(unit);
}

void MainWindow::showIdentification(const ModuleState &module)
{
    const zt::Identification &id = module.id;
    moduleCode = id.moduleCode;
    ui->ED_Rev->setText(id.firmware);
    if (id.plb)
        showRs485Settings(id.plbAddress, id.plbSpeedCode, id.plbFormatCode);
    layout = zt::catalogue::layoutForCode(moduleCode);
    forgetTypedLimits();  // a new connection, perhaps another type

    ui->BT_Open_Connect->setText(msg::Disconnect);
    ui->BT_Open_Connect->setEnabled(true);
    setVis();
}

void MainWindow::showBlocks(int blocks)
{
    const ModuleState &module = link->module();
    // A re-read scheduled before a settings file started being written would
    // show a half-written module and echo it back between the file's steps;
    // the sequence ends with a re-read of its own.
    if ((blocks & ModuleState::Config) && !fileCommands->isWriting()) {
        for (ChannelPanel *channel : channels)
            channel->showConfiguration(module.config);
    }
    if (blocks & ModuleState::Options) {
        for (ChannelPanel *channel : channels)
            channel->showOptions(module.options);
    }
    if (blocks & ModuleState::Limits) {
        for (ChannelPanel *channel : channels)
            channel->showLimits(module.limits);
    }
    if (blocks & ModuleState::Inversion)
        channels[0]->showInversionWord(module.inversion.word); // both boxes
    fileCommands->blocksShown(blocks);

    const int next = zt::link::nextBlock(blocks);
    if (next == ModuleState::Live) {
        if (!isOffline())
            link->startPolling(PollMs); // the first live values now, not a poll interval later
    } else if (next) {
        link->read(next);
    }
}

void MainWindow::showLiveValues(const zt::LiveValues &live)
{
    for (ChannelPanel *channel : channels)
        channel->showLiveValues(live);
    fileCommands->blocksShown(ModuleState::Live);
}
