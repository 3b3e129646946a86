#pragma once

#include "app/trendwindow/trendview.h"

class UserPrompts;

// The folder the installed program finds the trend window's library in:
// lib/ztconfig/plugins beside its bin folder.
QString installedPluginDir();

// Loads the library from `dir` and makes the window; null, with the reason
// in *error, when the library cannot be loaded.
TrendView *createTrendView(const QString &dir, std::shared_ptr<const zt::trend::SampleRing> samples,
                           const TrendPrompts &prompts, QWidget *parent, QString *error);

// What the trend window is told of a module type (0: none known, every series).
TrendModule trendModuleOf(quint16 moduleCode);
// The window's prompts, for the trend window's library.
TrendPrompts trendPromptsOf(UserPrompts *prompts);
