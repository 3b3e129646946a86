#pragma once

#include "trend/samplering.h"

#include <QString>

#include <memory>

class QWidget;
class UserPrompts;

// What the main window needs of the trend window. The window lives in a
// library of its own, loaded the first time it is opened: Qwt and the Qt
// modules it brings (Svg, OpenGL, PrintSupport) would otherwise load, and
// take their memory, with every start of the program.
class TrendView
{
public:
    virtual ~TrendView() = default;

    virtual QWidget *widget() = 0;
    // Units and the series the type has; 0 before a module is known.
    virtual void setModuleType(quint16 moduleCode) = 0;
    // A sample came or the samples were cleared.
    virtual void samplesChanged() = 0;
};

// The library's entry point, by the name `TrendViewEntry`.
using CreateTrendView = TrendView *(std::shared_ptr<const zt::trend::SampleRing> samples, UserPrompts *prompts,
                                    QWidget *parent);
constexpr auto TrendViewEntry = "zt_create_trend_view";

// The folder the installed program finds the library in: lib/ztconfig/plugins
// beside its bin folder.
QString installedPluginDir();

// Loads the library from `dir` and makes the window; null, with the reason
// in *error, when the library cannot be loaded.
TrendView *createTrendView(const QString &dir, std::shared_ptr<const zt::trend::SampleRing> samples,
                           UserPrompts *prompts, QWidget *parent, QString *error);
