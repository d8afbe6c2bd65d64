#pragma once

class QWidget;

// The width a window needs for its title bar to show its title whole: the title
// as the window system shows it (with the application's name after it) in a bold
// face, and room for the title bar's icon and buttons on both sides of it.
int titleRoom(const QWidget &window);
