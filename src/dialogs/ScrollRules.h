#pragma once

// value pulled into low..high; when high is below low the result is high.
int ClampToRange(int value, int low, int high);

// The page step of a scroll bar over a grid dimension of `count` elements.
int PageStepFor(int count);
