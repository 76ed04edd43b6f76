#pragma once

#include <QString>

// Compares names the way people sort them: letter case ignored, runs of digits by their
// numeric value ("file2" before "file10"). Returns <0, 0 or >0.
int naturalCompare(const QString& a, const QString& b);
