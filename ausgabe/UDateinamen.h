#pragma once

#include <QString>
#include <QStringList>

// File names made from abbreviations: only letters A-Z and a-z, digits, '-' and '_'
// (umlauts and ß spelled out, anything else '_'), at most 40 characters, never a name that
// Windows reserves, never one of the names given as taken, and never two alike even where
// the file system ignores case (the later one gets "_2", "_3", ...). So a name never leaves
// its folder and never overwrites another.
QStringList SichereDateinamen(const QStringList& kuerzel, const QStringList& belegt = {});
