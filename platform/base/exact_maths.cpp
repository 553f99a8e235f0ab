// The game's own maths, computed in double-double (pairs of doubles, about 106 bits) from plain
// IEEE additions, multiplications, divisions and square roots, then rounded once. Hand-written
// for exactness: C libraries round these functions differently, and replays need equal bits.
// No fused multiply-add anywhere: this file is compiled with floating-point contraction off.
#include "platform/base/exact_maths.h"

#include <cmath>
#include <utility>

namespace platform::exact {

namespace {

// A value hi + lo with |lo| at most half an ulp of hi.
struct Dd {
  double hi;
  double lo;
};

Dd twoSum(double a, double b) {
  const double s = a + b;
  const double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

Dd quickTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

// Veltkamp's split into two halves of 26 bits each (for |a| below 2^996).
void split(double a, double& high, double& low) {
  const double c = 134217729.0 * a;  // 2^27 + 1
  high = c - (c - a);
  low = a - high;
}

// Dekker's exact product.
Dd twoProduct(double a, double b) {
  double ah, al, bh, bl;
  split(a, ah, al);
  split(b, bh, bl);
  const double p = a * b;
  return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

Dd add(Dd a, Dd b) {
  Dd s = twoSum(a.hi, b.hi);
  const Dd t = twoSum(a.lo, b.lo);
  s = quickTwoSum(s.hi, s.lo + t.hi);
  return quickTwoSum(s.hi, s.lo + t.lo);
}

Dd neg(Dd a) { return {-a.hi, -a.lo}; }

Dd mul(Dd a, Dd b) {
  const Dd p = twoProduct(a.hi, b.hi);
  return quickTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

Dd mul(Dd a, double b) {
  const Dd p = twoProduct(a.hi, b);
  return quickTwoSum(p.hi, p.lo + a.lo * b);
}

// Long division, three quotient digits.
Dd div(Dd a, Dd b) {
  const double q1 = a.hi / b.hi;
  Dd r = add(a, neg(mul(b, q1)));
  const double q2 = r.hi / b.hi;
  r = add(r, neg(mul(b, q2)));
  const double q3 = r.hi / b.hi;
  return add(quickTwoSum(q1, q2), Dd{q3, 0.0});
}

// One Newton step from the double square root (a > 0).
Dd sqrt(Dd a) {
  const double root = std::sqrt(a.hi);
  const Dd square = twoProduct(root, root);
  const Dd rest = add(a, neg(square));
  return quickTwoSum(root, rest.hi / (2.0 * root));
}

constexpr Dd kPi{0x1.921fb54442d18p+1, 0x1.1a62633145c07p-53};
constexpr Dd kHalfPi{0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};
constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
// Pi / 2 cut into pieces: the first three of 33 bits, so k times each is exact for
// k < 2^20, then two of 53 bits; together about 210 bits of pi / 2.
constexpr double kHalfPiPieces[5] = {0x1.921fb544p+0, 0x1.0b4611a6p-34, 0x1.3198a2ep-69,
                                     0x1.b839a252049c1p-104, 0x1.14cf98e804177p-160};
constexpr double kReducedLimit = 0x1p20;

// 1 / n! for n = 2 .. 30, as double-doubles.
constexpr Dd kInverseFactorial[29] = {
    {0x1.0000000000000p-1, 0x0.0p+0},
    {0x1.5555555555555p-3, 0x1.5555555555555p-57},
    {0x1.5555555555555p-5, 0x1.5555555555555p-59},
    {0x1.1111111111111p-7, 0x1.1111111111111p-63},
    {0x1.6c16c16c16c17p-10, -0x1.f49f49f49f49fp-65},
    {0x1.a01a01a01a01ap-13, 0x1.a01a01a01a01ap-73},
    {0x1.a01a01a01a01ap-16, 0x1.a01a01a01a01ap-76},
    {0x1.71de3a556c734p-19, -0x1.c154f8ddc6c00p-73},
    {0x1.27e4fb7789f5cp-22, 0x1.cbbc05b4fa99ap-76},
    {0x1.ae64567f544e4p-26, -0x1.c062e06d1f209p-80},
    {0x1.1eed8eff8d898p-29, -0x1.2aec959e14c06p-83},
    {0x1.6124613a86d09p-33, 0x1.f28e0cc748ebep-87},
    {0x1.93974a8c07c9dp-37, 0x1.05d6f8a2efd1fp-92},
    {0x1.ae7f3e733b81fp-41, 0x1.1d8656b0ee8cbp-97},
    {0x1.ae7f3e733b81fp-45, 0x1.1d8656b0ee8cbp-101},
    {0x1.952c77030ad4ap-49, 0x1.ac981465ddc6cp-103},
    {0x1.6827863b97d97p-53, 0x1.eec01221a8b0bp-107},
    {0x1.2f49b46814157p-57, 0x1.2650f61dbdcb4p-112},
    {0x1.e542ba4020225p-62, 0x1.ea72b4afe3c2fp-120},
    {0x1.71b8ef6dcf572p-66, -0x1.d043ae40c4647p-120},
    {0x1.0ce396db7f853p-70, -0x1.aebcdbd20331cp-124},
    {0x1.761b41316381ap-75, -0x1.3423c7d91404fp-130},
    {0x1.f2cf01972f578p-80, -0x1.9ada5fcc1ab14p-135},
    {0x1.3f3ccdd165fa9p-84, -0x1.58ddadf344487p-139},
    {0x1.88e85fc6a4e5ap-89, -0x1.71c37ebd16540p-143},
    {0x1.d1ab1c2dccea3p-94, 0x1.054d0c78aea14p-149},
    {0x1.0a18a2635085dp-98, 0x1.b9e2e28e1aa54p-153},
    {0x1.259f98b4358adp-103, 0x1.eaf8c39dd9bc5p-157},
    {0x1.3932c5047d60ep-108, 0x1.832b7b530a627p-162},
};

// 1 / (2k + 1) for k = 1 .. 17.
constexpr Dd kInverseOdd[17] = {
    {0x1.5555555555555p-2, 0x1.5555555555555p-56},   {0x1.999999999999ap-3, -0x1.999999999999ap-57},
    {0x1.2492492492492p-3, 0x1.2492492492492p-57},   {0x1.c71c71c71c71cp-4, 0x1.c71c71c71c71cp-58},
    {0x1.745d1745d1746p-4, -0x1.745d1745d1746p-59},  {0x1.3b13b13b13b14p-4, -0x1.3b13b13b13b14p-58},
    {0x1.1111111111111p-4, 0x1.1111111111111p-60},   {0x1.e1e1e1e1e1e1ep-5, 0x1.e1e1e1e1e1e1ep-61},
    {0x1.af286bca1af28p-5, 0x1.af286bca1af28p-59},   {0x1.8618618618618p-5, 0x1.8618618618618p-59},
    {0x1.642c8590b2164p-5, 0x1.642c8590b2164p-60},   {0x1.47ae147ae147bp-5, -0x1.eb851eb851eb8p-61},
    {0x1.2f684bda12f68p-5, 0x1.2f684bda12f68p-59},   {0x1.1a7b9611a7b96p-5, 0x1.1a7b9611a7b96p-61},
    {0x1.0842108421084p-5, 0x1.0842108421084p-60},   {0x1.f07c1f07c1f08p-6, -0x1.f07c1f07c1f08p-61},
    {0x1.d41d41d41d41dp-6, 0x1.0750750750750p-60},
};

// x - k pi / 2 with k the nearest whole number to x * 2 / pi; quadrant gets k mod 4.
Dd reduce(double x, int& quadrant) {
  if (std::fabs(x) >= kReducedLimit) x = std::fmod(x, 4.0 * kHalfPiPieces[0]);  // exact remainder
  const double k = std::nearbyint(x * kTwoOverPi);
  Dd r{x - k * kHalfPiPieces[0], 0.0};
  r = add(r, Dd{-k * kHalfPiPieces[1], 0.0});
  r = add(r, Dd{-k * kHalfPiPieces[2], 0.0});
  r = add(r, neg(twoProduct(k, kHalfPiPieces[3])));
  r = add(r, neg(twoProduct(k, kHalfPiPieces[4])));
  quadrant = static_cast<int>(static_cast<long long>(k) & 3);
  return r;
}

// Taylor series in r^2 for |r| <= pi / 4: sin from 1/3! up to 1/29!, cos from 1/2! up to 1/30!.
Dd sinOfReduced(Dd r) {
  const Dd z = mul(r, r);
  Dd sum = kInverseFactorial[27];
  for (int n = 27; n >= 3; n -= 2) sum = add(neg(mul(sum, z)), kInverseFactorial[n - 2]);
  return add(r, neg(mul(mul(sum, z), r)));
}

Dd cosOfReduced(Dd r) {
  const Dd z = mul(r, r);
  Dd sum = kInverseFactorial[28];
  for (int n = 28; n >= 2; n -= 2) sum = add(neg(mul(sum, z)), kInverseFactorial[n - 2]);
  return add(Dd{1.0, 0.0}, neg(mul(sum, z)));
}

// atan(t) for any t: halves the angle, atan t = 2 atan(t / (1 + sqrt(1 + t^2))), until
// |t| <= 0.1, then the odd series up to t^35 / 35.
Dd atanOf(Dd t) {
  double scale = 1.0;
  while (std::fabs(t.hi) > 0.1) {
    t = div(t, add(Dd{1.0, 0.0}, sqrt(add(Dd{1.0, 0.0}, mul(t, t)))));
    scale *= 2.0;
  }
  const Dd z = mul(t, t);
  Dd sum = kInverseOdd[16];
  for (int k = 15; k >= 0; --k) sum = add(neg(mul(sum, z)), kInverseOdd[k]);
  const Dd series = add(t, neg(mul(mul(sum, z), t)));
  return {series.hi * scale, series.lo * scale};
}

Dd ddFrom(double a) { return {a, 0.0}; }

// The nearest float to hi + lo: the float cast alone could round twice when hi sits exactly
// halfway between two floats.
float nearestFloat(Dd v) {
  const float f = static_cast<float>(v.hi);
  if (static_cast<double>(f) == v.hi || v.lo == 0.0) return f;
  const float other = std::nextafter(f, v.hi > f ? HUGE_VALF : -HUGE_VALF);
  if (static_cast<double>(f) + static_cast<double>(other) != 2.0 * v.hi) return f;
  const bool upward = v.lo > 0.0;
  return (other > f) == upward ? other : f;
}

}  // namespace

double sin(double x) {
  if (!std::isfinite(x)) return x - x;
  if (std::fabs(x) < 0x1p-27) return x;
  int quadrant = 0;
  const Dd r = reduce(x, quadrant);
  switch (quadrant) {
    case 0: return sinOfReduced(r).hi;
    case 1: return cosOfReduced(r).hi;
    case 2: return -sinOfReduced(r).hi;
    default: return -cosOfReduced(r).hi;
  }
}

double cos(double x) {
  if (!std::isfinite(x)) return x - x;
  if (std::fabs(x) < 0x1p-27) return 1.0;
  int quadrant = 0;
  const Dd r = reduce(x, quadrant);
  switch (quadrant) {
    case 0: return cosOfReduced(r).hi;
    case 1: return -sinOfReduced(r).hi;
    case 2: return -cosOfReduced(r).hi;
    default: return sinOfReduced(r).hi;
  }
}

float atan(float x) {
  if (std::isnan(x)) return x;
  if (std::fabs(x) < 0x1p-12f) return x;
  const double ax = std::fabs(static_cast<double>(x));
  const Dd a = std::isinf(ax) ? kHalfPi
               : ax <= 1.0 ? atanOf(ddFrom(ax)) : add(kHalfPi, neg(atanOf(div(ddFrom(1.0), ddFrom(ax)))));
  const float f = nearestFloat(a);
  return x < 0 ? -f : f;
}

double atan2(double y, double x) {
  if (std::isnan(x) || std::isnan(y)) return x + y;
  const double ay = std::fabs(y), ax = std::fabs(x);
  const bool left = std::signbit(x);
  Dd angle;
  if (ay == 0.0) {
    angle = left ? kPi : Dd{0.0, 0.0};
  } else if (std::isinf(ay) || ax == 0.0) {
    angle = !std::isinf(ax) ? kHalfPi : left ? mul(kPi, 0.75) : mul(kPi, 0.25);
  } else if (std::isinf(ax)) {
    angle = left ? kPi : Dd{0.0, 0.0};
  } else {
    const bool steep = ay > ax;
    const double big = steep ? ay : ax, small = steep ? ax : ay;
    const int shift = std::ilogb(big);
    if (shift - std::ilogb(small) > 60) {
      // The smaller side is below 2^-59 of the larger: atan(t) rounds as t does.
      const double t = small / big;
      if (!steep && !left) return std::copysign(t, y);
      angle = steep ? add(kHalfPi, ddFrom(left ? t : -t)) : add(kPi, ddFrom(-t));
    } else {
      const Dd t = div(ddFrom(std::scalbn(small, -shift)), ddFrom(std::scalbn(big, -shift)));
      angle = atanOf(t);
      if (steep) angle = add(kHalfPi, neg(angle));
      if (left) angle = add(kPi, neg(angle));
    }
  }
  const double result = quickTwoSum(angle.hi, angle.lo).hi;
  return std::signbit(y) ? -result : result;
}

double acos(double x) {
  if (std::isnan(x)) return x;
  if (std::fabs(x) > 1.0) return std::nan("");
  if (x == -1.0) return kPi.hi;
  if (x == 1.0) return 0.0;
  // acos x = 2 atan(sqrt((1 - x) / (1 + x))).
  const Dd ratio = div(twoSum(1.0, -x), twoSum(1.0, x));
  const Dd half = atanOf(sqrt(ratio));
  return quickTwoSum(2.0 * half.hi, 2.0 * half.lo).hi;
}

double hypot(double x, double y) {
  if (std::isinf(x) || std::isinf(y)) return HUGE_VAL;
  if (std::isnan(x) || std::isnan(y)) return x + y;
  double big = std::fabs(x), small = std::fabs(y);
  if (small > big) std::swap(big, small);
  if (small == 0.0) return big;
  const int shift = std::ilogb(big);
  // Below 2^-60 of the larger side the smaller changes the result by under 2^-121.
  if (shift - std::ilogb(small) > 60) return big;
  big = std::scalbn(big, -shift);
  small = std::scalbn(small, -shift);
  const Dd root = sqrt(add(twoProduct(big, big), twoProduct(small, small)));
  return std::scalbn(root.hi, shift);
}

}  // namespace platform::exact
