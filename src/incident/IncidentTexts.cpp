#include "IncidentTexts.h"

#include "core/VexoLanguages.h"

using namespace Qt::StringLiterals;

IncidentTexts IncidentTexts::forLanguage(const QString &language)
{
    VexoLanguages &languages = VexoLanguages::SharedVexoLanguages();
    const auto localized = [&](const QString &key) {
        return languages.localized(key, language);
    };
    IncidentTexts texts;
    texts.title = localized(u"사고 보고서"_s);
    texts.recording = localized(u"녹화 파일"_s);
    texts.recorded = localized(u"녹화 일시"_s);
    texts.unknown = localized(u"알 수 없음"_s);
    texts.window = localized(u"구간"_s);
    texts.peak = localized(u"최대 충격"_s);
    texts.topSpeed = localized(u"최고 속도"_s);
    texts.startPosition = localized(u"시작 위치"_s);
    texts.endPosition = localized(u"끝 위치"_s);
    texts.noPosition = localized(u"이 구간에는 GPS 정보가 없습니다."_s);
    texts.noSensorData = localized(u"이 구간에는 센서 정보가 없습니다."_s);
    texts.frontCamera = localized(u"전방"_s);
    texts.noPicture = localized(u"사진 없음"_s);
    texts.graph = localized(u"가속도와 속도"_s);
    texts.route = localized(u"경로"_s);
    texts.north = localized(u"북"_s);
    return texts;
}
