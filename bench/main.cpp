// The rotation math's cost: ours beside the plain rendering of its written
// steps and beside the nearest equivalents in glm and Eigen. One table, ns
// per call from Google Benchmark and instructions per call from callgrind.
//
//   jolvent_bench --count-instructions   under callgrind: one dump per contender
//   jolvent_bench --instructions=DIR     time everything, print the table with
//                                        the counts dumped into DIR
// Other arguments go to Google Benchmark (--benchmark_filter and the like).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "bench/eigen_equivalents.h"
#include "bench/glm_equivalents.h"
#include "bench/inputs.h"
#include "bench/instruction_counts.h"
#include "math/euler.h"
#include "math/matrix4.h"
#include "math/quaternion.h"
#include "reference/written_steps.h"

namespace jolvent::bench {
namespace {

namespace glm_eq = glm_equivalents;
namespace eigen_eq = eigen_equivalents;
namespace written = written_steps;

constexpr std::size_t kMask = kInputCount - 1;
constexpr std::size_t kCountedCalls = 8 * kInputCount;
constexpr int kRepetitions = 7;
constexpr const char* kContenderNames[] = {"ours", "written", "glm", "Eigen"};

// One implementation of a primitive, as a timed loop and as a counted loop
// over the same inputs.
struct Contender {
  std::function<void(benchmark::State&)> time;
  std::function<void(std::size_t)> count;
};

template <class Call>
Contender contender(Call call) {
  return {[call](benchmark::State& state) {
            std::size_t i = 0;
            for ([[maybe_unused]] auto _ : state) {
              benchmark::DoNotOptimize(call(i));
              i = (i + 1) & kMask;
            }
          },
          [call](std::size_t calls) {
            for (std::size_t i = 0; i < calls; ++i) {
              benchmark::DoNotOptimize(call(i & kMask));
            }
          }};
}

struct Primitive {
  const char* name;
  const char* writtenDoesMore;  // what the written algorithm does beyond the libraries
  Contender contenders[4];      // in the order of kContenderNames
};

// The libraries' copies of the inputs, converted once. Our matrices are
// row-major for row vectors, which is the same sixteen floats as their
// column-major matrices for column vectors.
struct LibraryInputs {
  std::vector<glm::quat> glmRotations, glmOthers;
  std::vector<glm::vec3> glmAxes;
  std::vector<glm::mat4> glmAffine, glmRotationMatrices;
  std::vector<glm::vec3> glmSliderAxes;
  std::vector<Eigen::Quaternionf> eigenRotations, eigenOthers;
  std::vector<Eigen::Vector3f> eigenAxes;
  std::vector<Eigen::Matrix4f> eigenAffine, eigenRotationMatrices;
  std::vector<Eigen::Vector3f> eigenSliderAxes;
};

// glm's constructor and Eigen's take w first like ours (glm stores it last).
glm::quat toGlm(const Quaternion& q) {
  return {q.w, q.x, q.y, q.z};
}

glm::mat4 toGlm(const Matrix4& m) {
  glm::mat4 result;
  for (int column = 0; column < 4; ++column) {
    for (int row = 0; row < 4; ++row) result[column][row] = m.at(column, row);
  }
  return result;
}

Eigen::Quaternionf toEigen(const Quaternion& q) {
  return {q.w, q.x, q.y, q.z};
}

Eigen::Matrix4f toEigen(const Matrix4& m) {
  return Eigen::Map<const Eigen::Matrix4f>(m.m);
}

LibraryInputs convert(const Inputs& in) {
  LibraryInputs out;
  for (std::size_t i = 0; i < kInputCount; ++i) {
    out.glmRotations.push_back(toGlm(in.rotations[i]));
    out.glmOthers.push_back(toGlm(in.others[i]));
    out.glmAxes.emplace_back(in.axes[i].x, in.axes[i].y, in.axes[i].z);
    out.glmAffine.push_back(toGlm(in.affine[i]));
    out.glmRotationMatrices.push_back(toGlm(in.rotationMatrices[i]));
    out.eigenRotations.push_back(toEigen(in.rotations[i]));
    out.eigenOthers.push_back(toEigen(in.others[i]));
    out.eigenAxes.emplace_back(in.axes[i].x, in.axes[i].y, in.axes[i].z);
    out.eigenAffine.push_back(toEigen(in.affine[i]));
    out.eigenRotationMatrices.push_back(toEigen(in.rotationMatrices[i]));
    const Vec3& slider = *in.sliderAxes[i];
    out.glmSliderAxes.emplace_back(slider.x, slider.y, slider.z);
    out.eigenSliderAxes.emplace_back(slider.x, slider.y, slider.z);
  }
  return out;
}

std::vector<Primitive> primitives() {
  static const Inputs in = makeInputs();
  static const LibraryInputs lib = convert(in);
  return {
      {"quatNormalize",
       "nothing: one square root, one reciprocal",
       {contender([](std::size_t i) { return quatNormalize(in.rotations[i]); }),
        contender([](std::size_t i) { return written::quatNormalize(in.rotations[i]); }),
        contender(
            [](std::size_t i) { return glm_eq::quatNormalize(lib.glmRotations[i]); }),
        contender([](std::size_t i) {
          return eigen_eq::quatNormalize(lib.eigenRotations[i]);
        })}},
      {"quatMultiply",
       "normalises every product",
       {contender(
            [](std::size_t i) { return quatMultiply(in.rotations[i], in.others[i]); }),
        contender([](std::size_t i) {
          return written::quatMultiply(in.rotations[i], in.others[i]);
        }),
        contender([](std::size_t i) {
          return glm_eq::quatMultiply(lib.glmRotations[i], lib.glmOthers[i]);
        }),
        contender([](std::size_t i) {
          return eigen_eq::quatMultiply(lib.eigenRotations[i], lib.eigenOthers[i]);
        })}},
      {"quatToMatrix",
       "divides by the squared norm, so any length gives a rotation",
       {contender([](std::size_t i) { return quatToMatrix(in.rotations[i]); }),
        contender([](std::size_t i) { return written::quatToMatrix(in.rotations[i]); }),
        contender(
            [](std::size_t i) { return glm_eq::quatToMatrix(lib.glmRotations[i]); }),
        contender([](std::size_t i) {
          return eigen_eq::quatToMatrix(lib.eigenRotations[i]);
        })}},
      {"axisAngleMatrix",
       "sums in double (the libraries also take the sine and cosine of the angle)",
       {contender([](std::size_t i) {
          return axisAngleMatrix(in.axes[i], in.cosines[i], in.sines[i]);
        }),
        contender([](std::size_t i) {
          return written::axisAngleMatrix(in.axes[i], in.cosines[i], in.sines[i]);
        }),
        contender([](std::size_t i) {
          return glm_eq::axisAngleMatrix(lib.glmAxes[i], in.radians[i]);
        }),
        contender([](std::size_t i) {
          return eigen_eq::axisAngleMatrix(lib.eigenAxes[i], in.radians[i]);
        })}},
      {"matrixInverse",
       "fifteen 3x3 minors, where the libraries invert the 3x3 block and carry the "
       "translation",
       {contender([](std::size_t i) { return matrixInverse(in.affine[i]); }),
        contender([](std::size_t i) { return written::matrixInverse(in.affine[i]); }),
        contender([](std::size_t i) { return glm_eq::matrixInverse(lib.glmAffine[i]); }),
        contender(
            [](std::size_t i) { return eigen_eq::matrixInverse(lib.eigenAffine[i]); })}},
      {"decomposeMatrix",
       "sixteen divisions by [3][3] (glm also extracts a perspective and goes through a "
       "quaternion; Eigen takes a singular value decomposition)",
       {contender([](std::size_t i) { return decomposeMatrix(in.affine[i]); }),
        contender([](std::size_t i) { return written::decomposeMatrix(in.affine[i]); }),
        contender(
            [](std::size_t i) { return glm_eq::decomposeMatrix(lib.glmAffine[i]); }),
        contender([](std::size_t i) {
          return eigen_eq::decomposeMatrix(lib.eigenAffine[i]);
        })}},
      {"quatToEulerDegrees",
       "the detour through the matrix and its whole decomposition (scale, shear)",
       {contender([](std::size_t i) { return quatToEulerDegrees(in.rotations[i]); }),
        contender(
            [](std::size_t i) { return written::quatToEulerDegrees(in.rotations[i]); }),
        contender([](std::size_t i) {
          return glm_eq::quatToEulerDegrees(lib.glmRotations[i]);
        }),
        contender([](std::size_t i) {
          return eigen_eq::quatToEulerDegrees(lib.eigenRotations[i]);
        })}},
      {"matrixToQuat",
       "the detour through the Euler angles: a decomposition, six sines and cosines, two "
       "normalised products",
       {contender([](std::size_t i) { return matrixToQuat(in.rotationMatrices[i]); }),
        contender(
            [](std::size_t i) { return written::matrixToQuat(in.rotationMatrices[i]); }),
        contender([](std::size_t i) {
          return glm_eq::matrixToQuat(lib.glmRotationMatrices[i]);
        }),
        contender([](std::size_t i) {
          return eigen_eq::matrixToQuat(lib.eigenRotationMatrices[i]);
        })}},
      {"applyAxisDelta",
       "an axis-angle matrix taken back to a quaternion through the Euler angles",
       {contender([](std::size_t i) {
          return applyAxisDelta(in.rotations[i], in.sliderAxes[i], in.newDegrees[i],
                                in.appliedDegrees[i]);
        }),
        contender([](std::size_t i) {
          return written::applyAxisDelta(in.rotations[i], in.sliderAxes[i],
                                         in.newDegrees[i], in.appliedDegrees[i]);
        }),
        contender([](std::size_t i) {
          return glm_eq::applyAxisDelta(lib.glmRotations[i], lib.glmSliderAxes[i],
                                        in.newDegrees[i], in.appliedDegrees[i]);
        }),
        contender([](std::size_t i) {
          return eigen_eq::applyAxisDelta(lib.eigenRotations[i], lib.eigenSliderAxes[i],
                                          in.newDegrees[i], in.appliedDegrees[i]);
        })}},
  };
}

// The loop alone, taken off every count.
const Contender kLoopAlone = contender([](std::size_t i) { return i; });
constexpr const char* kLoopName = "loop alone";

std::string stretchName(const Primitive& p, int contender) {
  return std::string(p.name) + "/" + kContenderNames[contender];
}

void countInstructions(const std::vector<Primitive>& list) {
  const auto measure = [](const Contender& c, const std::string& name) {
    c.count(kInputCount);  // binds the library calls and warms the caches
    startCounting();
    c.count(kCountedCalls);
    stopCounting(name);
  };
  measure(kLoopAlone, kLoopName);
  for (const Primitive& p : list) {
    for (int c = 0; c < 4; ++c) measure(p.contenders[c], stretchName(p, c));
  }
}

// Keeps the median of each benchmark's repetitions and prints nothing.
class MedianCollector : public benchmark::BenchmarkReporter {
public:
  bool ReportContext(const Context&) override { return true; }

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) {
        std::fprintf(stderr, "%s: %s\n", run.benchmark_name().c_str(),
                     run.error_message.c_str());
      } else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        medians[run.run_name.function_name] = run.GetAdjustedCPUTime();
      }
    }
  }

  std::map<std::string, double> medians;  // ns per call
};

std::string cpuModel() {
  std::ifstream cpuinfo("/proc/cpuinfo");
  std::string line;
  while (std::getline(cpuinfo, line)) {
    if (line.starts_with("model name")) return line.substr(line.find(':') + 2);
  }
  return "unknown processor";
}

std::string format(const char* pattern, double value) {
  char text[32];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

std::string cell(const char* pattern, double value, double written, bool isWritten) {
  if (value < 0) return "–";
  if (isWritten) return format(pattern, value);
  return format(pattern, value) + " (" + format("%.2f", value / written) + "×)";
}

void printTable(const std::vector<Primitive>& list,
                const std::map<std::string, double>& ns,
                const std::map<std::string, std::uint64_t>& counts) {
  const auto instructions = [&](const std::string& name) -> double {
    const auto found = counts.find(name);
    const auto loop = counts.find(kLoopName);
    if (found == counts.end() || loop == counts.end()) return -1;
    return static_cast<double>(found->second - loop->second) / kCountedCalls;
  };
  const auto time = [&](const std::string& name) -> double {
    const auto found = ns.find(name);
    return found == ns.end() ? -1 : found->second;
  };

  std::printf("%s, g++ %s, %s\n\n", cpuModel().c_str(), __VERSION__, JOLVENT_BENCH_FLAGS);
  std::printf(
      "ns per call (CPU time, median of %d runs over %zu seeded inputs) and instructions "
      "per call (callgrind, the loop taken off), with the ratio to the written "
      "algorithm:\n\n",
      kRepetitions, kInputCount);
  std::printf(
      "| primitive | ours ns | written ns | glm ns | Eigen ns | ours instr. | written "
      "instr. | glm instr. | Eigen instr. | the written algorithm does more |\n");
  std::printf("|---|--:|--:|--:|--:|--:|--:|--:|--:|---|\n");
  for (const Primitive& p : list) {
    std::string row = std::string("| ") + p.name;
    const double writtenNs = time(stretchName(p, 1));
    for (int c = 0; c < 4; ++c) {
      row += " | " + cell("%.1f", time(stretchName(p, c)), writtenNs, c == 1);
    }
    const double writtenCount = instructions(stretchName(p, 1));
    for (int c = 0; c < 4; ++c) {
      row += " | " + cell("%.0f", instructions(stretchName(p, c)), writtenCount, c == 1);
    }
    row += std::string(" | ") + p.writtenDoesMore + " |";
    std::printf("%s\n", row.c_str());
  }
}

int run(int argc, char** argv) {
  const std::vector<Primitive> list = primitives();
  std::string instructionFolder;
  // Defaults first, so that the caller's flags win; interleaving spreads a
  // noisy neighbour's load over every contender alike.
  std::vector<char*> args{argv[0]};
  std::string defaults[] = {"--benchmark_repetitions=" + std::to_string(kRepetitions),
                            "--benchmark_min_time=0.05",
                            "--benchmark_enable_random_interleaving=true",
                            "--benchmark_report_aggregates_only=true"};
  for (std::string& flag : defaults) args.push_back(flag.data());
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--count-instructions") {
      countInstructions(list);
      return 0;
    }
    if (arg.starts_with("--instructions=")) {
      instructionFolder = arg.substr(arg.find('=') + 1);
    } else {
      args.push_back(argv[i]);
    }
  }
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 2;

  for (const Primitive& p : list) {
    for (int c = 0; c < 4; ++c) {
      benchmark::RegisterBenchmark(stretchName(p, c).c_str(), p.contenders[c].time);
    }
  }
  MedianCollector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  benchmark::Shutdown();
  printTable(list, collector.medians,
             instructionFolder.empty() ? std::map<std::string, std::uint64_t>{}
                                       : readCounts(instructionFolder));
  return 0;
}

}  // namespace
}  // namespace jolvent::bench

int main(int argc, char** argv) {
  return jolvent::bench::run(argc, argv);
}
