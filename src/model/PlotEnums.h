#pragma once

// The enumerated plot options: what the options dialogs hand back and the view's
// settings keep. Each value is the place of its radio button in the dialog.
enum class Palette { ColdToHot = 0, HotToCold = 1, Roygbiv = 2 };
enum class ScaleMode { Automatic = 0, MinToMax = 1 };
enum class CrossSectionDirection { ParallelToX = 0, ParallelToY = 1 };
enum class HistoryMode { Average = 0, Total = 1 };
