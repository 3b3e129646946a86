#include "line/modulesearch.h"

#include "line/lineprober.h"
#include "line/searchplan.h"
#include "module/catalogue.h"

namespace zt::line {

ModuleSearch::ModuleSearch(QObject *parent)
    : QObject(parent)
    , prober(new LineProber(this))
{
    connect(prober, &LineProber::answered, this, &ModuleSearch::onAnswered);
    connect(prober, &LineProber::lineLost, this, [this] { end(Outcome::LineLost); });
}

bool ModuleSearch::start(const LineSettings &current)
{
    if (!prober->open(current.port))
        return false;
    candidates = searchOrder(current);
    next = 0;
    tryNext();
    return true;
}

QString ModuleSearch::errorString() const
{
    return prober->errorString();
}

void ModuleSearch::cancel()
{
    prober->close();
}

void ModuleSearch::tryNext()
{
    if (next == candidates.size()) {
        end(Outcome::NotFound);
        return;
    }
    const LineSettings candidate = candidates.at(next);
    prober->probe(candidate);
    // Last: a modal progress dialog handles a cancel inside this signal.
    emit trying(next++, candidate);
}

// A frame from another address counts too: it is the late answer to an
// earlier try, and it names the address it came from.
void ModuleSearch::onAnswered(const Answer &answer, const LineSettings &asked)
{
    if (answer.kind == Answer::Echo) {
        end(Outcome::Echo);
        return;
    }
    const bool frame = answer.kind == Answer::Reply || answer.kind == Answer::OtherAddress;
    if (frame && decodeIdentification(answer.registers).valid) {
        LineSettings found = asked;
        found.address = answer.address;
        end(Outcome::Found, found);
        return;
    }
    tryNext();
}

void ModuleSearch::end(Outcome outcome, const LineSettings &found)
{
    prober->close();
    emit finished(outcome, found);
}

} // namespace zt::line
