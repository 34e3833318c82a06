#include "level/properties.h"

std::string* StringField(CBrannocDoc& doc, int id) {
  switch (id) {
    case PROP_NAME: return &doc.m_strName;
    case PROP_TOTAL_TURNS: return &doc.m_strTotalTurns;
    case PROP_ARTWORK: return &doc.m_strArtwork;
    case PROP_SOUNDS: return &doc.m_strSounds;
    case PROP_MUSIC: return &doc.m_strMusic;
    case PROP_EMERALDS: return &doc.m_strEmeralds;
    case PROP_SWAMP: return &doc.m_strSwamp;
    case PROP_PUSHING: return &doc.m_strPushing;
    case PROP_DESIGNER: return &doc.m_strDesigner;
    case PROP_FIRST_TO_FINISH: return &doc.m_strFirstToFinish;
    case PROP_NEXT_LEVEL: return &doc.m_strNextLevel;
    case PROP_INFO: return &doc.m_strInfo;
    case PROP_DIFFICULTY: return &doc.m_strDifficulty;
    case PROP_MUSIC_PREFIX: return &doc.m_strMusicPrefix;
    case PROP_DISPENSER: return &doc.m_strDispenser;
    case PROP_MAX_DESTROY: return &doc.m_strMaxDestroy;
    case PROP_WHEEL_TIME: return &doc.m_strWheelTime;
    case PROP_ROBOT_SPEED: return &doc.m_strRobotSpeed;
    default: return nullptr;
  }
}

const std::string* StringField(const CBrannocDoc& doc, int id) { return StringField(const_cast<CBrannocDoc&>(doc), id); }

int IntValue(const CBrannocDoc& doc, int id) {
  switch (id) {
    case PROP_WIDTH: return doc.m_nWidth;
    case PROP_HEIGHT: return doc.m_nHeight;
    case PROP_YAMYAM_SOUND_OFF: return doc.m_bYamYamSoundOff ? 1 : 0;
    case PROP_LASER_SOUND_OFF: return doc.m_bLaserSoundOff ? 1 : 0;
    default: return 0;
  }
}
