/* bassmod: a small tracker-module player with a plain C interface.
 *
 * One module, one sound output, one calling thread: the player is driven from one thread
 * (the caller's) while the module is mixed on the audio thread. Results are 32 bits wide,
 * zero means failure unless a function says otherwise; BASSMOD_ErrorGetCode then tells why.
 * Calls from several threads are safe, but the error code and returned strings are shared.
 *
 * Positions are packed as (row << 16) | order: the low word is the order position, the high
 * word the row within its pattern.
 */
#ifndef VELMORA_BASSMOD_H
#define VELMORA_BASSMOD_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define BASSMOD_VERSION 0x70000u /* high word major, low word minor */

/* Error codes of BASSMOD_ErrorGetCode: the outcome of the last call. */
#define BASSMOD_OK 0
#define BASSMOD_ERROR_NO_INIT 1     /* BASSMOD_Init has not succeeded */
#define BASSMOD_ERROR_ALREADY 2     /* the output is open already */
#define BASSMOD_ERROR_DEVICE 3      /* no such output device */
#define BASSMOD_ERROR_DRIVER 4      /* the audio system refused to open the output */
#define BASSMOD_ERROR_FILE 5        /* the module file cannot be read */
#define BASSMOD_ERROR_FORMAT 6      /* the data is not a module */
#define BASSMOD_ERROR_NO_MUSIC 7    /* no module is loaded */
#define BASSMOD_ERROR_PARAMETER 8   /* an argument is out of range */
#define BASSMOD_ERROR_NO_SLOT 9     /* every sync slot is taken */

/* Flags of BASSMOD_MusicLoad and BASSMOD_MusicPlayEx. */
#define BASSMOD_MUSIC_RAMP 0x001  /* ramp volume changes smoothly (no clicks) */
#define BASSMOD_MUSIC_LOOP 0x004  /* play on from the tune's loop point when it ends */
#define BASSMOD_MUSIC_AMIGA 0x100 /* resample as an Amiga's sound chip does */

/* BASSMOD_MusicIsActive */
#define BASSMOD_STOPPED 0
#define BASSMOD_PLAYING 1
#define BASSMOD_PAUSED 2

/* Sync types of BASSMOD_MusicSetSync. */
#define BASSMOD_SYNC_POSITION 1 /* param: a packed position; 0xFFFF in either word matches any */
#define BASSMOD_SYNC_END 2      /* param unused: the tune reached its end (it then loops or stops) */

/* Called on the audio thread, outside the player's lock; data is the packed position. */
typedef void (*BASSMOD_SyncProc)(uint32_t sync, uint32_t data, void* user);

/* The entry points a program binds, in its binding order, as X(result, name, parameters). */
#define BASSMOD_ENTRY_POINTS(X)                                                                      \
    X(uint32_t, BASSMOD_GetVersion, (void))                                                          \
    X(const char*, BASSMOD_GetDeviceDescription, (int32_t device))                                   \
    X(int32_t, BASSMOD_ErrorGetCode, (void))                                                         \
    X(int32_t, BASSMOD_Init, (int32_t device, uint32_t frequency, uint32_t flags))                   \
    X(void, BASSMOD_Free, (void))                                                                    \
    X(float, BASSMOD_GetCPU, (void))                                                                 \
    X(int32_t, BASSMOD_GetVolume, (void))                                                            \
    X(int32_t, BASSMOD_SetVolume, (int32_t volume))                                                  \
    X(int32_t, BASSMOD_MusicLoad,                                                                    \
      (int32_t memory, const void* file, uint32_t offset, uint32_t length, uint32_t flags))          \
    X(void, BASSMOD_MusicFree, (void))                                                               \
    X(int32_t, BASSMOD_MusicPlay, (void))                                                            \
    X(int32_t, BASSMOD_MusicPlayEx, (uint32_t position, int32_t flags))                              \
    X(int32_t, BASSMOD_MusicSetAmplify, (uint32_t amplify))                                          \
    X(int32_t, BASSMOD_MusicSetPanSep, (uint32_t separation))                                        \
    X(int32_t, BASSMOD_MusicSetPositionScaler, (uint32_t scaler))                                    \
    X(uint32_t, BASSMOD_MusicIsActive, (void))                                                       \
    X(int32_t, BASSMOD_MusicStop, (void))                                                            \
    X(int32_t, BASSMOD_MusicPause, (void))                                                           \
    X(uint32_t, BASSMOD_MusicGetLength, (int32_t playTime))                                          \
    X(int32_t, BASSMOD_MusicSetPosition, (uint32_t position))                                        \
    X(uint32_t, BASSMOD_MusicGetPosition, (void))                                                    \
    X(uint32_t, BASSMOD_MusicSetSync, (uint32_t type, uint32_t param, BASSMOD_SyncProc proc, void* user)) \
    X(int32_t, BASSMOD_MusicRemoveSync, (uint32_t sync))

/* What each entry point does:
 * GetVersion              BASSMOD_VERSION.
 * GetDeviceDescription    name of output device n: 0 the default output, 1.. the audio system's
 *                         outputs; NULL past the last. Valid until the next call.
 * ErrorGetCode            the error code of the last call.
 * Init                    opens output device n (-1 or 0: the default) at the given rate in
 *                         16-bit stereo; flags must be 0. Silence plays until a module does.
 * Free                    drops the module and closes the output; harmless when not open.
 * GetCPU                  share of the audio thread's time spent mixing, in percent.
 * GetVolume / SetVolume   output volume 0..100 (default 100); -1 / 0 without Init.
 * MusicLoad               loads a module (after Init) from a file (memory 0: file is a path, the
 *                         data starts at offset and runs for length bytes, 0 = to the end) or
 *                         from memory (file points at the data, offset added, length bytes),
 *                         replacing the one loaded; flags BASSMOD_MUSIC_*. Stopped at the start.
 * MusicFree               drops the module; harmless when none is loaded.
 * MusicPlay               plays from where the module stands (the start, or where it paused).
 * MusicPlayEx             plays from a packed position (0xFFFFFFFF: where it stands) with new
 *                         flags (-1: keep the load flags).
 * MusicSetAmplify         module gain 0..100: 50 is unity, 100 is +6 dB, 0 is silence.
 * MusicSetPanSep          stereo separation 0 (mono) .. 100 (hard left/right); default 50,
 *                         where each Amiga side is mixed 3:1 into the other.
 * MusicSetPositionScaler  1..256: GetPosition reports the row multiplied by this.
 * MusicIsActive           BASSMOD_STOPPED, _PLAYING or _PAUSED.
 * MusicStop               stops and rewinds to the start.
 * MusicPause              stops where the module stands; MusicPlay resumes.
 * MusicGetLength          playTime 0: number of order positions; otherwise the playing time in ms.
 * MusicSetPosition        jumps to a packed position.
 * MusicGetPosition        the packed position being played (row scaled); 0xFFFFFFFF with no module.
 * MusicSetSync            registers a sync (BASSMOD_SYNC_*), returns its handle (nonzero).
 *                         Syncs are checked once per mixed block (at most 256 frames) and go
 *                         with the module.
 * MusicRemoveSync         removes a sync; one already due may still be called once.
 * MusicGetName            the module's title; "" with no module. Valid until the next load.
 */

/* Prototypes, for the library itself and programs that link it directly. A program that binds
 * the names at run time leaves them out and names its function pointers after them. */
#if defined(BASSMOD_PROTOTYPES)
#define BASSMOD_API __attribute__((visibility("default")))
#define BASSMOD_DECLARE(result, name, parameters) BASSMOD_API result name parameters;
BASSMOD_ENTRY_POINTS(BASSMOD_DECLARE)
BASSMOD_API const char* BASSMOD_MusicGetName(void);
#undef BASSMOD_DECLARE
#endif

#ifdef __cplusplus
}
#endif

#endif
