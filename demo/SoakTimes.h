// The soak run's times: each round's, by the clock and of processor time,
// and how the rounds and their steps grew from the start of the run to its end.
#pragma once

#include <map>
#include <string>
#include <vector>

class TSoakTimes {
 public:
  // A round begins; Counted rounds (those that open everything, after the
  // warm-up) make the trend.
  void RoundBegins(int Round, bool Counted);
  // Ends the step under way and begins the one named Key.
  void StepBegins(const std::string& Key);
  // Prints the round's times.
  void RoundEnds();
  // Prints the trend: the first and last tenth of the counted rounds, and
  // the steps whose processor time grew most between them.
  void Print() const;

 private:
  struct TRound {
    double Seconds = 0, Processor = 0;
    std::map<std::string, double> Steps;  // processor time by step
  };
  int FRound = 0;
  bool FCounted = false;
  unsigned long FStartTicks = 0;
  double FStartProcessor = 0, FStepStart = 0;
  std::string FStep;
  std::vector<TRound> FRounds;  // the counted ones
  TRound FCurrent;
};
