// The unit staff page's state: the chosen field, the candidate list with its view, what is booked
// per field, the live step buttons and the status message. In memory only, never saved.
#pragma once

#include <array>
#include <cstdint>

namespace gm {

// Fields of the page: 1 ammunition, 2 men, 3 cars, 4 horses, 5..33 the 29 equipment slots.
inline constexpr int kRefitFieldCount = 33;
inline constexpr int kAmmoField = 1;
inline constexpr int kMenField = 2;
inline constexpr int kCarsField = 3;
inline constexpr int kHorsesField = 4;
inline constexpr int kFirstEquipmentField = 5;

inline constexpr int kRefitCandidateCount = 800;  // candidate list entries 1..800
inline constexpr int kRefitListRows = 20;         // rows of the candidate list shown at once
inline constexpr int kRefitStepCount = 5;
// What the five step buttons add, button i (1..5) at i - 1.
inline constexpr std::array<std::uint16_t, kRefitStepCount> kRefitSteps = {1, 5, 10, 100, 1000};

// Where the men of field 2 come from (its FieldChoice and candidate row).
inline constexpr std::uint16_t kVeteranRow = 1;  // elite reserve, VeteranPool
inline constexpr std::uint16_t kRecruitRow = 2;  // conscripts, RecruitPool

// UpdateRefitPanel's modes.
inline constexpr std::uint8_t kRefitPageOpened = 1;
inline constexpr std::uint8_t kRefitFieldChosen = 2;
inline constexpr std::uint8_t kRefitRefresh = 3;

// The page record. Arrays numbered from 1 are reached through the accessors.
struct TRefitPage {
  std::uint16_t SelectedField;  // 0 none, 1..33
  std::array<std::uint16_t, kRefitCandidateCount> CandidateModels;
  std::array<std::uint8_t, kRefitCandidateCount> CandidateEnabled;
  std::array<std::uint16_t, kRefitFieldCount> PendingAmount;  // booked since the page opened
  std::array<std::uint16_t, kRefitFieldCount> FieldChoice;    // pool row or model, 0 none yet
  std::uint16_t PendingTotal;                                 // sum of the bookings
  std::uint16_t ListFirst;
  std::uint16_t ListCount;
  std::uint16_t ListTop;
  std::uint16_t ListBottom;
  std::uint16_t ListCursor;  // 1..20; the entry under it is ListTop + ListCursor - 1
  std::uint16_t PreviousCursor;
  std::uint8_t CanScrollUp;
  std::uint8_t CanScrollDown;
  std::array<std::uint8_t, kRefitStepCount> StepEnabled;  // button i (1..5) at i - 1
  std::uint8_t AutoRefitOffered;

  std::uint16_t& Candidate(int i) { return CandidateModels[i - 1]; }
  std::uint16_t Candidate(int i) const { return CandidateModels[i - 1]; }
  std::uint8_t& Enabled(int i) { return CandidateEnabled[i - 1]; }
  std::uint8_t Enabled(int i) const { return CandidateEnabled[i - 1]; }
  std::uint16_t& Pending(int field) { return PendingAmount[field - 1]; }
  std::uint16_t Pending(int field) const { return PendingAmount[field - 1]; }
  std::uint16_t& Choice(int field) { return FieldChoice[field - 1]; }
  std::uint16_t Choice(int field) const { return FieldChoice[field - 1]; }
  std::uint8_t& Step(int button) { return StepEnabled[button - 1]; }
  std::uint8_t Step(int button) const { return StepEnabled[button - 1]; }
};

// The page and its status line; one member of World.
struct RefitState {
  TRefitPage RefitPage;
  std::int32_t MessageNo;  // row of RenewMessages shown on the page
  // 1 when the formation stood on a settlement of its side, out of contact, as the page opened;
  // written by the page's opening check, read by the automatic refit.
  std::uint8_t RefitHereAllowed;
};

}  // namespace gm
