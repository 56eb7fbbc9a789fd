#pragma once
// Points, sizes, rectangles and lines on a page, in the units of the device it is drawn on.
struct PagePoint {
    double x = 0;
    double y = 0;
};

struct PageSize {
    double width = 0;
    double height = 0;
    bool Empty() const { return !(width > 0) || !(height > 0); }
};

struct PageRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
    bool Empty() const { return !(width > 0) || !(height > 0); }
    PagePoint Centre() const { return {left + width / 2, top + height / 2}; }
};

struct PageLine {
    PagePoint from;
    PagePoint to;
};
