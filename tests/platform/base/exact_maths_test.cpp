// The game's maths against MPFR (the exact value, rounded to nearest) and against the C
// library: millions of inputs in the ranges the game feeds, every disagreement with the C
// library settled by MPFR, and a sample of the agreements checked by MPFR as well.
#include "platform/base/exact_maths.h"

#include <gtest/gtest.h>
#include <mpfr.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

namespace {

std::uint64_t state = 0x9e3779b97f4a7c15ull;
std::uint64_t nextBits() {  // xorshift64: the inputs are the same on every run
  state ^= state << 13;
  state ^= state >> 7;
  state ^= state << 17;
  return state;
}
double uniform(double low, double high) { return low + (high - low) * (double(nextBits() >> 11) * 0x1p-53); }
double anyDouble() {
  double x;
  const std::uint64_t bits = nextBits();
  std::memcpy(&x, &bits, sizeof x);
  return std::isnan(x) ? 0.0 : x;
}

using Mpfr2 = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_srcptr, mpfr_rnd_t);
using Mpfr1 = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);

// The exact value of f(x) or f(y, x) rounded to a double (precision 53) or a float (24),
// subnormal results included.
double exactly(Mpfr1 one, Mpfr2 two, double a, double b, int precision) {
  mpfr_t x, y, r;
  mpfr_inits2(precision == 53 ? 53 : 64, x, y, static_cast<mpfr_ptr>(nullptr));
  mpfr_init2(r, precision);
  mpfr_set_d(x, a, MPFR_RNDN);
  mpfr_set_d(y, b, MPFR_RNDN);
  const mpfr_exp_t emin = mpfr_get_emin(), emax = mpfr_get_emax();
  mpfr_set_emin(precision == 53 ? -1073 : -148);
  mpfr_set_emax(precision == 53 ? 1024 : 128);
  int inexact = one ? one(r, x, MPFR_RNDN) : two(r, x, y, MPFR_RNDN);
  mpfr_subnormalize(r, mpfr_check_range(r, inexact, MPFR_RNDN), MPFR_RNDN);
  const double result = mpfr_get_d(r, MPFR_RNDN);
  mpfr_set_emin(emin);
  mpfr_set_emax(emax);
  mpfr_clears(x, y, r, static_cast<mpfr_ptr>(nullptr));
  return result;
}

struct Family {
  std::string name;
  long count;
  std::function<void(double&, double&)> input;            // draws one input (a, and b for two)
  std::function<double(double, double)> ours, library;   // the game's and the C library's
  Mpfr1 one;
  Mpfr2 two;
  int precision;
};

bool same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b)); }

std::string hex(double v) {
  char text[40];
  std::snprintf(text, sizeof text, "%a", v);
  return text;
}

TEST(ExactMaths, EqualsTheExactValueRoundedAndCountsTheCLibrarysMisses) {
  namespace ex = platform::exact;
  const double twoPi = 2 * 3.141592653589793;
  const Family families[] = {
      {"sin", 3000000, [&](double& a, double&) { a = uniform(-twoPi, twoPi); },
       [](double a, double) { return ex::sin(a); }, [](double a, double) { return std::sin(a); }, mpfr_sin, nullptr, 53},
      {"cos", 3000000, [&](double& a, double&) { a = uniform(-twoPi, twoPi); },
       [](double a, double) { return ex::cos(a); }, [](double a, double) { return std::cos(a); }, mpfr_cos, nullptr, 53},
      {"sin of large angles", 300000, [](double& a, double&) { a = uniform(-0x1p20, 0x1p20); },
       [](double a, double) { return ex::sin(a); }, [](double a, double) { return std::sin(a); }, mpfr_sin, nullptr, 53},
      {"atan of any float", 3000000,
       [](double& a, double&) {
         const auto bits = static_cast<std::uint32_t>(nextBits());
         float f;
         std::memcpy(&f, &bits, sizeof f);
         a = std::isnan(f) ? 0.0 : f;
       },
       [](double a, double) { return double(ex::atan(float(a))); }, [](double a, double) { return double(std::atan(float(a))); },
       mpfr_atan, nullptr, 24},
      {"atan2 of field coordinates", 1000000, [](double& a, double& b) { a = uniform(-2000, 2000), b = uniform(-2000, 2000); },
       [](double a, double b) { return ex::atan2(a, b); }, [](double a, double b) { return std::atan2(a, b); }, nullptr,
       mpfr_atan2, 53},
      {"atan2 of any doubles", 300000, [](double& a, double& b) { a = anyDouble(), b = anyDouble(); },
       [](double a, double b) { return ex::atan2(a, b); }, [](double a, double b) { return std::atan2(a, b); }, nullptr,
       mpfr_atan2, 53},
      {"hypot of field coordinates", 1000000, [](double& a, double& b) { a = uniform(-2000, 2000), b = uniform(-2000, 2000); },
       [](double a, double b) { return ex::hypot(a, b); }, [](double a, double b) { return std::hypot(a, b); }, nullptr,
       mpfr_hypot, 53},
      {"hypot of normal doubles", 300000,
       [](double& a, double& b) { a = std::ldexp(uniform(1, 2), int(nextBits() % 1800) - 900), b = std::ldexp(uniform(-2, 2), int(nextBits() % 1800) - 900); },
       [](double a, double b) { return ex::hypot(a, b); }, [](double a, double b) { return std::hypot(a, b); }, nullptr,
       mpfr_hypot, 53},
      {"acos of a curve's step", 1000000, [](double& a, double&) { a = uniform(-1, 1); },
       [](double a, double) { return ex::acos(a); }, [](double a, double) { return std::acos(a); }, mpfr_acos, nullptr, 53},
  };
  for (const Family& f : families) {
    long misses = 0, wrong = 0;
    std::string firstMisses;
    for (long i = 0; i < f.count; ++i) {
      double a = 0, b = 0;
      f.input(a, b);
      const double ours = f.ours(a, b), library = f.library(a, b);
      const bool agree = same(ours, library);
      if (agree && i % 16 != 0) continue;
      const double truth = exactly(f.one, f.two, a, b, f.precision);
      if (!same(ours, truth) && ++wrong <= 5)
        ADD_FAILURE() << f.name << "(" << hex(a) << (f.two ? ", " + hex(b) : "") << ") = " << hex(ours) << ", exact "
                      << hex(truth);
      if (!agree && ++misses <= 3) firstMisses += " " + hex(a) + (f.two ? "," + hex(b) : "");
    }
    std::printf("%-28s %8ld inputs, C library differs on %6ld (%.4f%%)%s\n", f.name.c_str(), f.count, misses,
                100.0 * misses / f.count, firstMisses.c_str());
    EXPECT_EQ(wrong, 0) << f.name;
  }
}

TEST(ExactMaths, EdgesFollowTheCLibrarysConventions) {
  namespace ex = platform::exact;
  const double inf = HUGE_VAL, nan = std::nan("");
  const double edges[] = {0.0, -0.0, 1.0, -1.0, inf, -inf, nan, 0x1p-1074, -0x1p-1022, 0x1p-28, 0x1p19, 2.5, -3.0};
  for (double a : edges) {
    EXPECT_TRUE(same(ex::sin(a), std::sin(a))) << "sin " << hex(a);
    EXPECT_TRUE(same(ex::cos(a), std::cos(a))) << "cos " << hex(a);
    EXPECT_TRUE(same(ex::atan(float(a)), std::atan(float(a)))) << "atan " << hex(a);
    if (std::isnan(a) || std::fabs(a) <= 1) {
      EXPECT_TRUE(same(ex::acos(a), std::acos(a))) << "acos " << hex(a);
    }
    for (double b : edges) {
      EXPECT_TRUE(same(ex::atan2(a, b), std::atan2(a, b))) << "atan2 " << hex(a) << ", " << hex(b);
      EXPECT_TRUE(same(ex::hypot(a, b), std::hypot(a, b))) << "hypot " << hex(a) << ", " << hex(b);
    }
  }
  EXPECT_TRUE(std::isnan(ex::acos(1.5)));
}

}  // namespace
