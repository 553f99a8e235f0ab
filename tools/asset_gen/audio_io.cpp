// Ogg Vorbis and MP3 encoding and decoding.
#include "tools/asset_gen/audio_io.h"

#include <lame/lame.h>
#include <mpg123.h>
#include <vorbis/vorbisenc.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace assetgen {

namespace {

bool endsWith(const std::string& s, const char* tail) {
  const size_t n = std::strlen(tail);
  return s.size() >= n && s.compare(s.size() - n, n, tail) == 0;
}

bool writeBytes(const std::string& path, const std::vector<unsigned char>& bytes, std::string& error) {
  FILE* f = fopen(path.c_str(), "wb");
  if (!f) {
    error = path + ": cannot create";
    return false;
  }
  const bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  if (fclose(f) != 0 || !ok) {
    error = path + ": write failed";
    return false;
  }
  return true;
}

void appendPage(std::vector<unsigned char>& out, const ogg_page& page) {
  out.insert(out.end(), page.header, page.header + page.header_len);
  out.insert(out.end(), page.body, page.body + page.body_len);
}

bool encodeVorbis(const std::vector<int16_t>& samples, std::vector<unsigned char>& out) {
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, 1, kSampleRate, 0.5f) != 0) {
    vorbis_info_clear(&vi);
    return false;
  }
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_dsp_state vd;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block vb;
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, 0x50494C57);  // fixed serial number: identical files on every run

  ogg_packet header, comments, codebooks;
  vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
  ogg_stream_packetin(&os, &header);
  ogg_stream_packetin(&os, &comments);
  ogg_stream_packetin(&os, &codebooks);
  ogg_page page;
  while (ogg_stream_flush(&os, &page)) appendPage(out, page);

  const size_t chunk = 1024;
  size_t pos = 0;
  bool eos = false;
  while (!eos) {
    const size_t n = std::min(chunk, samples.size() - pos);
    if (n > 0) {
      float** buffer = vorbis_analysis_buffer(&vd, static_cast<int>(n));
      for (size_t i = 0; i < n; ++i) buffer[0][i] = samples[pos + i] / 32768.0f;
      vorbis_analysis_wrote(&vd, static_cast<int>(n));
      pos += n;
    } else {
      vorbis_analysis_wrote(&vd, 0);
    }
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&vd, &packet)) {
        ogg_stream_packetin(&os, &packet);
        while (ogg_stream_pageout(&os, &page)) {
          appendPage(out, page);
          if (ogg_page_eos(&page)) eos = true;
        }
      }
    }
    if (n == 0 && !eos) {
      while (ogg_stream_flush(&os, &page)) {
        appendPage(out, page);
        if (ogg_page_eos(&page)) eos = true;
      }
      eos = true;
    }
  }
  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return true;
}

bool encodeMp3(const std::vector<int16_t>& samples, std::vector<unsigned char>& out) {
  lame_global_flags* gf = lame_init();
  if (!gf) return false;
  lame_set_num_channels(gf, 1);
  lame_set_in_samplerate(gf, kSampleRate);
  lame_set_out_samplerate(gf, kSampleRate);
  lame_set_mode(gf, MONO);
  lame_set_brate(gf, 96);
  lame_set_quality(gf, 2);
  lame_set_bWriteVbrTag(gf, 1);  // the tag frame tells decoders the encoder delay and padding
  if (lame_init_params(gf) < 0) {
    lame_close(gf);
    return false;
  }
  std::vector<int16_t> pcm(samples);
  std::vector<unsigned char> buffer(pcm.size() * 5 / 4 + 7200 + 16384);
  int n = lame_encode_buffer(gf, pcm.data(), pcm.data(), static_cast<int>(pcm.size()),
                             buffer.data(), static_cast<int>(buffer.size()));
  if (n < 0) {
    lame_close(gf);
    return false;
  }
  out.assign(buffer.begin(), buffer.begin() + n);
  n = lame_encode_flush(gf, buffer.data(), static_cast<int>(buffer.size()));
  if (n < 0) {
    lame_close(gf);
    return false;
  }
  out.insert(out.end(), buffer.begin(), buffer.begin() + n);
  // The first frame was reserved for the tag; fill it in now that the totals are known.
  unsigned char tag[4096];
  const size_t tagSize = lame_get_lametag_frame(gf, tag, sizeof tag);
  if (tagSize > 0 && tagSize <= out.size()) std::memcpy(out.data(), tag, tagSize);
  lame_close(gf);
  return true;
}

bool readVorbis(const std::string& path, SoundInfo& info, std::string& error) {
  OggVorbis_File vf;
  if (ov_fopen(path.c_str(), &vf) != 0) {
    error = path + ": not an Ogg Vorbis file";
    return false;
  }
  vorbis_info* vi = ov_info(&vf, -1);
  info.rate = static_cast<int>(vi->rate);
  info.channels = vi->channels;
  long frames = 0;
  int peak = 0;
  char buffer[8192];
  int section = 0;
  for (;;) {
    long n = ov_read(&vf, buffer, sizeof buffer, 0, 2, 1, &section);
    if (n == 0) break;
    if (n < 0) {
      ov_clear(&vf);
      error = path + ": decode error";
      return false;
    }
    const int16_t* s = reinterpret_cast<const int16_t*>(buffer);
    for (long i = 0; i < n / 2; ++i) peak = std::max(peak, std::abs(static_cast<int>(s[i])));
    frames += n / 2 / info.channels;
  }
  ov_clear(&vf);
  info.seconds = static_cast<double>(frames) / info.rate;
  info.peak = std::min(peak, 32767) / 32767.0;
  return true;
}

bool readMp3(const std::string& path, SoundInfo& info, std::string& error) {
  static const bool initialised = mpg123_init() == MPG123_OK;
  int err = 0;
  mpg123_handle* mh = initialised ? mpg123_new(nullptr, &err) : nullptr;
  if (!mh) {
    error = "mpg123 unavailable";
    return false;
  }
  mpg123_param(mh, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0);
  mpg123_format_none(mh);
  mpg123_format(mh, kSampleRate, MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
  if (mpg123_open(mh, path.c_str()) != MPG123_OK) {
    mpg123_delete(mh);
    error = path + ": cannot open as MP3";
    return false;
  }
  long rate = 0;
  int channels = 0, encoding = 0;
  if (mpg123_getformat(mh, &rate, &channels, &encoding) != MPG123_OK) {
    mpg123_close(mh);
    mpg123_delete(mh);
    error = path + ": not an MP3 file";
    return false;
  }
  info.rate = static_cast<int>(rate);
  info.channels = channels;
  long frames = 0;
  int peak = 0;
  unsigned char buffer[8192];
  for (;;) {
    size_t done = 0;
    const int rc = mpg123_read(mh, buffer, sizeof buffer, &done);
    const int16_t* s = reinterpret_cast<const int16_t*>(buffer);
    for (size_t i = 0; i < done / 2; ++i) peak = std::max(peak, std::abs(static_cast<int>(s[i])));
    frames += static_cast<long>(done / 2 / channels);
    if (rc == MPG123_DONE) break;
    if (rc != MPG123_OK && rc != MPG123_NEW_FORMAT) {
      mpg123_close(mh);
      mpg123_delete(mh);
      error = path + ": decode error";
      return false;
    }
  }
  mpg123_close(mh);
  mpg123_delete(mh);
  info.seconds = static_cast<double>(frames) / info.rate;
  info.peak = std::min(peak, 32767) / 32767.0;
  return true;
}

}  // namespace

bool writeSound(const std::string& path, const std::vector<int16_t>& samples, std::string& error) {
  std::vector<unsigned char> bytes;
  bool ok = false;
  if (endsWith(path, ".ogg"))
    ok = encodeVorbis(samples, bytes);
  else if (endsWith(path, ".mp3"))
    ok = encodeMp3(samples, bytes);
  else {
    error = path + ": unknown sound format";
    return false;
  }
  if (!ok) {
    error = path + ": encoder failed";
    return false;
  }
  return writeBytes(path, bytes, error);
}

bool readSound(const std::string& path, SoundInfo& info, std::string& error) {
  if (endsWith(path, ".ogg")) return readVorbis(path, info, error);
  if (endsWith(path, ".mp3")) return readMp3(path, info, error);
  error = path + ": unknown sound format";
  return false;
}

}  // namespace assetgen
