// A digest of the whole game state: the player, the kind table, the seven slots and every
// list, taken field by field (pictures by their place in the catalogue, never by address),
// so that two runs that played alike give the same number. Replays keep it every so often.
#pragma once
#include <cstdint>

std::uint64_t worldDigest();
