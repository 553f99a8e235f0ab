// The catalogue's 24 picture sets in loading order, 131 images: the one list that the
// catalogue's fields, its load list, the table of file names and the asset generator's
// canvas sizes are made from. A list of macro calls only; it knows no game state.
#pragma once

// Each set is one call of the macro its caller passes in:
//   PICTURE(field, folder, file, canvasWidth, canvasHeight)           one image, IMAGE field
//   PICTURES(field, folder, count, files, canvasWidth, canvasHeight)  a run, IMAGE field[count]
// folder is Images (resources/images) or Character (resources/images/pillowkin). files are
// numbered("nor", 1, 8) for "nor1.png" .. "nor8.png" or names(...) written out, one per image
// in loading order (a file may repeat). The canvas sizes name the asset generator's constants
// (tools/asset_gen/catalogue.h) and only the generator expands them; the enemy bullets' 0 x 0
// stands for the canvases their headings give them.
// The order is the loading order, which the world's digest and recorded replays depend on.
#define DA_PICTURE_SETS(PICTURE, PICTURES)                                                           \
  PICTURES(norImages, Character, 8, numbered("nor", 1, 8), kPlayerW, kPlayerH)                       \
  PICTURE(dieImage, Character, "die0.png", kPlayerW, kPlayerH)                                       \
  PICTURES(attImages, Character, 3, numbered("att", 1, 3), kPlayerW, kPlayerH)                       \
  PICTURES(runImages, Character, 20, numbered("run", 1, 20), kPlayerW, kPlayerH)                     \
  PICTURES(shootImages, Character, 3, numbered("shoot", 1, 3), kPlayerW, kPlayerH)                   \
  PICTURE(defendImage, Character, "defend.png", kPlayerW, kPlayerH)                                  \
  PICTURES(sharkMoveImages, Character, 8,                                                            \
           names("sharkMove1.png", "sharkMove2.png", "sharkMove3.png", "sharkMove4.png",             \
                 "sharkMove5.png", "sharkMove7.png", "sharkMove8.png", "sharkMove9.png"),            \
           kSharkW, kSharkH)                                                                         \
  PICTURE(plrBulletImage, Character, "plrBullet.png", kShotW, kShotH)                                \
  PICTURES(enmBulletImages, Character, 12,                                                           \
           names("enmbullet.png", "enmbullet30.png", "enmbullet60.png", "enmbullet90.png",           \
                 "enmbullet120.png", "enmbullet150.png", "enmbullet-30.png", "enmbullet-60.png",     \
                 "enmbullet-90.png", "enmbullet-120.png", "enmbullet-150.png", "enmbullet-180.png"), \
           0, 0)                                                                                     \
  PICTURE(sharkAtkImage, Character, "sharkAtk.png", kSharkW, kSharkH)                                \
  PICTURE(sharkHittedImage, Character, "sharkHitted.png", kSharkW, kSharkH)                          \
  PICTURE(planeImage, Character, "plane.png", kPlaneW, kPlaneH)                                      \
  PICTURE(blackCloudImage, Character, "black cloud0.png", kCloudW, kCloudH)                          \
  PICTURE(bcHittedImage, Character, "bcHitted.png", kCloudW, kCloudH)                                \
  PICTURES(bcAtkImages, Character, 5, numbered("bcatk", 1, 5), kCloudW, kCloudH)                     \
  PICTURE(boomImage, Character, "boom.png", kBombW, kBombH)                                          \
  /* The last picture is loaded four times into four images: the attack rests on it. */             \
  PICTURES(kingAtkImages, Character, 10,                                                             \
           names("kingatk.png", "kingatk1.png", "kingatk2.png", "kingatk3.png", "kingatk4.png",      \
                 "kingatk5.png", "kingatk6.png", "kingatk6.png", "kingatk6.png", "kingatk6.png"),    \
           kKingW, kKingH)                                                                           \
  PICTURES(kingImages, Character, 10, numbered("king", 1, 10), kKingW, kKingH)                       \
  PICTURES(blastImages, Character, 27, numbered("blast", 1, 27), kBlastSide, kBlastSide)             \
  PICTURES(sleepImages, Images, 4, numbered("sleep", 1, 4), kSleepW, kSleepH)                        \
  PICTURE(backgroundImage, Images, "white.png", kBackgroundW, kBackgroundH)                          \
  PICTURES(meatImages, Character, 4, numbered("meat", 1, 4), kMeatW, kMeatH)                         \
  PICTURES(eatImages, Character, 6, numbered("eat", 1, 6), kPlayerW, kPlayerH)                       \
  PICTURE(crosshairImage, Images, "crosshair.png", kCrosshairSide, kCrosshairSide)
