// A digest of the whole game state: the player, the kind table, the seven slots and every
// list, taken field by field (pictures by their place in the catalogue, never by address),
// so that two runs that played alike give the same number. Replays keep it every so often.
#pragma once
#include <cstdint>
#include <string>

std::uint64_t worldDigest();

// One line of a digest log: "round R pass P world W", with " frame F" (the working image's
// digest) on every 64th pass when withFrame. dream-sim --replay and a watched round write it,
// so that two plays of a round can be compared pass by pass.
std::string passDigestLine(std::uint64_t round, std::uint64_t pass, bool withFrame);
