#pragma once

#include "catalogue/PartsTable.h"

#include <string>

// Writes `count` machines into the folder and a few subfolders, as players sort theirs: what
// the window saves for random parts that the rules then correct, some options, names and a
// description. The same seed makes the same garage.
void makeGarage(const rivet::PartsTable& table, const std::string& folder, int count, unsigned seed = 21);
