#pragma once

#include "trend/samplering.h"
#include "trend/series.h"

#include <QString>
#include <QVector>

#include <functional>
#include <memory>

class QWidget;

// What the main window and the trend window's library hand each other. The
// window lives in a library of its own, loaded the first time it is opened:
// Qwt and the Qt modules it brings (Svg, OpenGL, PrintSupport) would
// otherwise load, and take their memory, with every start of the program.
// Only plain data and the samples cross: the library links no module code.

// The module whose values are plotted.
struct TrendModule
{
    QString inputUnit;                  // empty: none known
    QVector<zt::trend::Series> series;  // what the type measures
};

// The program's message boxes and file dialogs, so that tests can answer them.
struct TrendPrompts
{
    std::function<void(QWidget *parent, const QString &title, const QString &text)> critical;
    // An empty path when the user cancels.
    std::function<QString(const QString &caption, const QString &filter)> saveFileName;
};

class TrendView
{
public:
    virtual ~TrendView() = default;

    virtual QWidget *widget() = 0;
    virtual void setModule(const TrendModule &module) = 0;
    // A sample came or the samples were cleared.
    virtual void samplesChanged() = 0;
};

// The library's entry point, by the name `TrendViewEntry`.
using CreateTrendView = TrendView *(std::shared_ptr<const zt::trend::SampleRing> samples,
                                    const TrendPrompts &prompts, QWidget *parent);
constexpr auto TrendViewEntry = "zt_create_trend_view";
