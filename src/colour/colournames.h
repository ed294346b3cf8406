#pragma once

#include <QString>

#include <cstdint>

// Names of colours: the CSS name of a colour that has one, otherwise the nearest name among the
// 148 CSS names and 846 of the xkcd colour survey's names (public domain, CC0), nearest by
// distance in OKLab. Survey names that are CSS names without their spaces ("light blue") are
// left out, so that each name stands for one colour.
//
// The search is a scan of the 994 names' OKLab coordinates in single precision, worked out once:
// about 2 µs a colour on the development machine.
namespace colournames {

struct Named
{
    QString name; // lower case, words separated by spaces for survey names
    int32_t colour = 0; // the name's own colour, 0x00BBGGRR
    bool exact = false; // the name's colour is the colour asked about
};

// The colour's name or the nearest one; where two CSS names share a colour ("aqua" and "cyan"),
// the first in alphabetical order. Only for colours (colorvalue::isColor); anything else gives an
// empty name.
Named nameOf(int32_t bgr);

// As the picker shows it: the name, led by "≈ " when it is only the nearest.
QString shown(const Named &named);

// How many names there are to choose among.
int count();

} // namespace colournames
