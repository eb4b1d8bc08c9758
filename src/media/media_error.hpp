// Error classes of the media layer; each carries only its formatted message.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace gm {

// Base of every media-layer failure, so a caller can catch the layer as a whole.
class MediaError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Display and sound device failures ("%s cannot be made", "%s not made", ...).
class EDirectXError : public MediaError {
 public:
  using MediaError::MediaError;
};

// Surface creation and use.
class EDirectDrawSurfaceError : public EDirectXError {
 public:
  using EDirectXError::EDirectXError;
};

// A picture whose bytes do not describe a bitmap ("DIB is invalid", "Bitcount in invalid (%d)").
class EInvalidGraphic : public MediaError {
 public:
  using MediaError::MediaError;
};

// Archive stream failures: "Invalid stream format", "Stream read error", "Invalid property value",
// "Property %s does not exist", "Cannot open file %s".
class EReadError : public MediaError {
 public:
  using MediaError::MediaError;
};

// Image list failures ("Image '%s' not found", "%s cannot be initialized").
class EPictureCollectionError : public MediaError {
 public:
  using MediaError::MediaError;
};

// Wave list failures ("Wave '%s' not found").
class EWaveCollectionError : public MediaError {
 public:
  using MediaError::MediaError;
};

// RIFF wave failures ("Wave is invalid").
class EWaveStreamError : public MediaError {
 public:
  using MediaError::MediaError;
};

// The fixed message texts shared by the readers.
inline constexpr std::string_view kInvalidStreamFormat = "Invalid stream format";
inline constexpr std::string_view kStreamReadError = "Stream read error";
inline constexpr std::string_view kInvalidPropertyValue = "Invalid property value";
inline constexpr std::string_view kDibInvalid = "DIB is invalid";
inline constexpr std::string_view kWaveInvalid = "Wave is invalid";

// Replaces the first "%s" (or "%d") of a message pattern with the argument.
std::string FormatMessage(std::string_view pattern, std::string_view arg);
std::string FormatMessage(std::string_view pattern, long long arg);

}  // namespace gm
