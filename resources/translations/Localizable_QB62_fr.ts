<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="ko_KR">
<context>
    <name>Localizable_QB62</name>
    <message>
        <source>(UTC) Greenwich</source>
        <translation>(UTC) Greenwich</translation>
    </message>
    <message>
        <source>(UTC+01:00) Brussels, Copenhagen, Madrid, Paris</source>
        <translation>(UTC+01:00) Bruxelles, Copenhague, Madrid, Paris</translation>
    </message>
    <message>
        <source>(UTC+08:00) Kuala Lumpur, Singapore</source>
        <translation>(UTC+08:00) Kuala Lumpur, Singapour</translation>
    </message>
    <message>
        <source>(UTC+09:30) Adelaide</source>
        <translation>(UTC+09:30) Adélaïde</translation>
    </message>
    <message>
        <source>(UTC+10:00) Canberra, Melbourne, Sidney</source>
        <translation>(UTC+10:00) Canberra, Melbourne, Sydney</translation>
    </message>
    <message>
        <source>(UTC-04:00) Atlantic  Standard Time (Canada)</source>
        <translation>(UTC-04:00) Heure normale de l&apos;Atlantique (Canada)</translation>
    </message>
    <message>
        <source>(UTC-05:00) Eastern Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-05:00) Heure normale de l&apos;Est (États-Unis et Canada)</translation>
    </message>
    <message>
        <source>(UTC-06:00) Central Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-06:00) Heure normale du Centre (États-Unis et Canada)</translation>
    </message>
    <message>
        <source>(UTC-07:00) Mountain Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-07:00) Heure normale des Rocheuses (États-Unis et Canada)</translation>
    </message>
    <message>
        <source>(UTC-08:00) Pacific Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-08:00) Heure normale du Pacifique (États-Unis et Canada)</translation>
    </message>
    <message>
        <source>(UTC-09:00) Alaska</source>
        <translation>(UTC-09:00) Alaska</translation>
    </message>
    <message>
        <source>(UTC-10:00) Hawaii</source>
        <translation>(UTC-10:00) Hawaï</translation>
    </message>
    <message>
        <source>(시동이 꺼지면 블랙박스를 종료합니다</source>
        <translation>(Éteint la caméra embarquée lorsque le moteur est coupé)</translation>
    </message>
    <message>
        <source>(시동이 꺼지면 주차 녹화 모드로 전환합니다</source>
        <translation>(Passe en mode d&apos;enregistrement en stationnement lorsque le moteur est coupé)</translation>
    </message>
    <message>
        <source>10분 후</source>
        <translation>Après 10 min</translation>
    </message>
    <message>
        <source>2분 후</source>
        <translation>Après 2 min</translation>
    </message>
    <message>
        <source>5분 후</source>
        <translation>Après 5 min</translation>
    </message>
    <message>
        <source>A Type(권장)</source>
        <translation>Type A (recommandé)</translation>
    </message>
    <message>
        <source>B Type</source>
        <translation>Type B</translation>
    </message>
    <message>
        <source>C Type</source>
        <translation>Type C</translation>
    </message>
    <message>
        <source>KM/H</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>MPH</source>
        <translation>mph</translation>
    </message>
    <message>
        <source>QD34 : 10분 후</source>
        <translation>Après 10 min</translation>
    </message>
    <message>
        <source>QD34 : 30초 후</source>
        <translation>Après 30 s</translation>
    </message>
    <message>
        <source>QF27 : Daylight Saving Time</source>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>QF27 : Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>QF27 : Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>QF27 : 날짜 / 시간</source>
        <translation>Date / Heure</translation>
    </message>
    <message>
        <source>QF27 : 녹화종료전압</source>
        <translation>Tension de coupure</translation>
    </message>
    <message>
        <source>QF27 : 둔감</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>QF27 : 메모리 파티션</source>
        <translation>Partition de la mémoire</translation>
    </message>
    <message>
        <source>QF27 : 모션인식감도</source>
        <translation>Sensibilité de détection de mouvement</translation>
    </message>
    <message>
        <source>QF27 : 민감</source>
        <translation>Élevée</translation>
    </message>
    <message>
        <source>QF27 : 사용 안 함</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>QF27 : 사용 함</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>QF27 : 상시녹화</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>QF27 : 수동녹화</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>QF27 : 음성녹음</source>
        <translation>Enregistrement audio</translation>
    </message>
    <message>
        <source>QF27 : 음성안내</source>
        <translation>Guidage vocal</translation>
    </message>
    <message>
        <source>QF27 : 이벤트녹화</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>QF27 : 자동주차모드</source>
        <translation>Mode stationnement automatique</translation>
    </message>
    <message>
        <source>QF27 : 작게</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>QF27 : 주차녹화</source>
        <translation>Stationnement</translation>
    </message>
    <message>
        <source>QF27 : 충격감도</source>
        <translation>Sensibilité aux chocs</translation>
    </message>
    <message>
        <source>QF27 : 크게</source>
        <translation>Fort</translation>
    </message>
    <message>
        <source>QF27 : 펌웨어 버전</source>
        <translation>Version du micrologiciel</translation>
    </message>
    <message>
        <source>QF27 : 표준 시간대</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>e.g.)</source>
        <translation>ex.)</translation>
    </message>
    <message>
        <source>kph</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>mph</source>
        <translation>mph</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>고정 15fps</source>
        <translation>15 fps fixe</translation>
    </message>
    <message>
        <source>고정 30fps</source>
        <translation>30 fps fixe</translation>
    </message>
    <message>
        <source>공통</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>낮음</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>높음</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>동영상 변환 중</source>
        <translation>Conversion de la vidéo</translation>
    </message>
    <message>
        <source>메모리 카드 포맷이 완료 되었습니다.</source>
        <translation>Le formatage de la carte mémoire est terminé.</translation>
    </message>
    <message>
        <source>메모리 카드 포멧</source>
        <translation>Formater la carte mémoire</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.</source>
        <translation>Impossible de formater la carte mémoire.</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.&#xd;
&#xd;
ORBIVX에서 동영상을 재생 중이거나 GPS 데이터를 수집중인 경우&#xd;
ORBIVEX를 종료하고 다시 포맷하십시오.&#xd;
메모리카드를 사용하고 있는 디스크 유틸리티나 다른 프로그램을 종료하고&#xd;
메모리카드의 내용을 표시하고 있는 창이 없는지 확인한 다음 다시 포맷하십시오.</source>
        <translation>Impossible de formater la carte mémoire.&#xd;
&#xd;
Si Velmora lit une vidéo ou collecte des données GPS,&#xd;
quittez Velmora et relancez le formatage.&#xd;
Quittez l&apos;utilitaire de disque ou tout autre programme qui utilise la carte mémoire,&#xd;
vérifiez qu&apos;aucune fenêtre n&apos;affiche le contenu de la carte mémoire, puis relancez le formatage.</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.&#xd;
&#xd;
포맷 프로그램을 실행할 수 없습니다.&#xd;
프로그램을 다시 설치하십시오.</source>
        <translation>Impossible de formater la carte mémoire.&#xd;
&#xd;
Le programme de formatage ne peut pas être lancé.&#xd;
Veuillez réinstaller le programme.</translation>
    </message>
    <message>
        <source>메모리카드 오류</source>
        <translation>Erreur de carte mémoire</translation>
    </message>
    <message>
        <source>메모리카드를 확인하여 주시기 바랍니다.</source>
        <translation>Veuillez vérifier la carte mémoire.</translation>
    </message>
    <message>
        <source>보통</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>부가기능</source>
        <translation>Autres fonctions</translation>
    </message>
    <message>
        <source>블랙박스 설정</source>
        <translation>Paramètres de la caméra embarquée</translation>
    </message>
    <message>
        <source>사용 안함</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>상시모드</source>
        <translation>Mode continu</translation>
    </message>
    <message>
        <source>설정값 초기화</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>속도 단위</source>
        <translation>Unité de vitesse</translation>
    </message>
    <message>
        <source>속도표시</source>
        <translation>Affichage de la vitesse</translation>
    </message>
    <message>
        <source>시큐리티 LED</source>
        <translation>LED de sécurité</translation>
    </message>
    <message>
        <source>아니오</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>언어</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>열기</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>영어</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>예</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>일본어</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>저장</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>주의 : 포맷 시 메모리 카드의 모든 데이터가 삭제됩니다. &#xd;
포맷하려면 (예)를, 취소하려면 (아니오)를 선택 하십시오.</source>
        <translation>Attention : le formatage supprime toutes les données de la carte mémoire.&#xd;
Choisissez (Oui) pour formater ou (Non) pour annuler.</translation>
    </message>
    <message>
        <source>주의 : 현재 설정된 화면 터치 정확도 값이 초기화 됩니다.&#xd;
초기화하려면 (예)를, 취소하려면 (아니오)를 선택 하십시오.</source>
        <translation>Attention : le réglage actuel de précision de l&apos;écran tactile sera réinitialisé.&#xd;
Choisissez (Oui) pour réinitialiser ou (Non) pour annuler.</translation>
    </message>
    <message>
        <source>주차모드</source>
        <translation>Mode stationnement</translation>
    </message>
    <message>
        <source>주차모드를 사용하지 않는 경우,
차량 시동이 꺼지면 주차 중 녹화가 되지 않습니다.
주차모드 사용을 해제 하시겠습니까?</source>
        <translation>Si le mode stationnement n&apos;est pas utilisé,
rien n&apos;est enregistré pendant le stationnement une fois le moteur coupé.
Voulez-vous désactiver le mode stationnement ?</translation>
    </message>
    <message>
        <source>주차모션</source>
        <translation>Mouvement en stationnement</translation>
    </message>
    <message>
        <source>주차모션 선택 시,
타임랩스 영상이 삭제되고 주차모션 영상이 저장됩니다.
적용하시겠습니까?</source>
        <translation>Si Mouvement en stationnement est sélectionné,
les vidéos en accéléré sont supprimées et les vidéos de mouvement en stationnement sont enregistrées.
Voulez-vous appliquer ce choix ?</translation>
    </message>
    <message>
        <source>지원하지 않는 형식으로 인코딩된 동영상입니다.</source>
        <translation>Cette vidéo est encodée dans un format non pris en charge.</translation>
    </message>
    <message>
        <source>초기화하기</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>케스트릭스 블랙박스 정보를 읽을 수 없습니다.
모델명을 선택하면 기본 설정 값을 적용 할 수 있습니다.</source>
        <translation>Impossible de lire les informations de la caméra embarquée Kestrix.
Sélectionnez un nom de modèle pour appliquer ses paramètres par défaut.</translation>
    </message>
    <message>
        <source>타임랩스</source>
        <translation>Accéléré</translation>
    </message>
    <message>
        <source>타임랩스 선택 시 
주차모션 영상이 삭제되고 주차모드 및 주차충격 영상이 타임랩스로 저장됩니다.
적용하시겠습니까?</source>
        <translation>Si Accéléré est sélectionné,
les vidéos de mouvement en stationnement sont supprimées et les vidéos du mode stationnement et de choc en stationnement sont enregistrées en accéléré.
Voulez-vous appliquer ce choix ?</translation>
    </message>
    <message>
        <source>파일_모션</source>
        <translation>Mouvement</translation>
    </message>
    <message>
        <source>파일_상시</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>파일_수동</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>파일_이벤트</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>파일_전체</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>포르투갈어</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>포맷 중 입니다.&#xd;
잠시만 기다려 주십시오.</source>
        <translation>Formatage en cours.&#xd;
Veuillez patienter.</translation>
    </message>
    <message>
        <source>프랑스어</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>플래시 메모리를 선택해주세요.</source>
        <translation>Veuillez sélectionner la mémoire flash.</translation>
    </message>
    <message>
        <source>현재 시간 가져오기</source>
        <translation>Utiliser l&apos;heure actuelle</translation>
    </message>
    <message>
        <source>화면 터치 정확도 초기화가 완료되었습니다.</source>
        <translation>La précision de l&apos;écran tactile a été réinitialisée.</translation>
    </message>
    <message>
        <source>화면 터치 정확도를 초기화할 수 없습니다.&#xd;
메모리카드를 확인하여 주시기 바랍니다.</source>
        <translation>Impossible de réinitialiser la précision de l&apos;écran tactile.&#xd;
Veuillez vérifier la carte mémoire.</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>파일을 저장하지 못했습니다.</source>
        <translation>Impossible d&apos;enregistrer le fichier.</translation>
    </message>
    <message>
        <source>인쇄하지 못했습니다.</source>
        <translation>L’image n’a pas pu être imprimée.</translation>
    </message>
    <message>
        <source>사용</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>승용차</source>
        <translation>Voiture</translation>
    </message>
    <message>
        <source>트럭/버스</source>
        <translation>Camion/Bus</translation>
    </message>
    <message>
        <source>시큐리티 LED 모드 1</source>
        <translation>Mode LED de sécurité 1</translation>
    </message>
    <message>
        <source>시큐리티 LED 모드 2</source>
        <translation>Mode LED de sécurité 2</translation>
    </message>
    <message>
        <source>시큐리티 LED 모드 3</source>
        <translation>Mode LED de sécurité 3</translation>
    </message>
    <message>
        <source>전방 카메라 밝기</source>
        <translation>Luminosité de la caméra avant</translation>
    </message>
    <message>
        <source>후방 카메라 밝기</source>
        <translation>Luminosité de la caméra arrière</translation>
    </message>
    <message>
        <source>음성 녹음</source>
        <translation>Enregistrement du son</translation>
    </message>
    <message>
        <source>음성 안내</source>
        <translation>Guidage vocal</translation>
    </message>
    <message>
        <source>시간 설정</source>
        <translation>Réglage de l&apos;heure</translation>
    </message>
    <message>
        <source>표준 시간대</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>일광 절약 시간</source>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>날짜 표시 형식</source>
        <translation>Format de la date</translation>
    </message>
    <message>
        <source>운전 가이드</source>
        <translation>Guide de conduite</translation>
    </message>
    <message>
        <source>화면 밝기</source>
        <translation>Luminosité de l&apos;écran</translation>
    </message>
    <message>
        <source>화면 꺼짐 시간</source>
        <translation>Extinction de l&apos;écran</translation>
    </message>
    <message>
        <source>해상도</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>프레임 레이트</source>
        <translation>Fréquence d&apos;images</translation>
    </message>
    <message>
        <source>영상 화질</source>
        <translation>Qualité vidéo</translation>
    </message>
    <message>
        <source>충격 감도</source>
        <translation>Sensibilité aux chocs</translation>
    </message>
    <message>
        <source>차량 종류</source>
        <translation>Type de véhicule</translation>
    </message>
    <message>
        <source>차선 이탈 경보</source>
        <translation>Alerte de franchissement de ligne</translation>
    </message>
    <message>
        <source>앞차 추돌 경보</source>
        <translation>Alerte de collision avant</translation>
    </message>
    <message>
        <source>앞차 출발 알림</source>
        <translation>Alerte de départ du véhicule précédent</translation>
    </message>
    <message>
        <source>슈퍼 나이트 비전</source>
        <translation>Super vision nocturne</translation>
    </message>
    <message>
        <source>모션 감지</source>
        <translation>Détection de mouvement</translation>
    </message>
    <message>
        <source>주차 녹화 시간</source>
        <translation>Durée d&apos;enregistrement en stationnement</translation>
    </message>
    <message>
        <source>배터리 방전 방지</source>
        <translation>Protection contre la décharge de la batterie</translation>
    </message>
    <message>
        <source>덮어쓰기</source>
        <translation>Écrasement</translation>
    </message>
    <message>
        <source>메모리 파티션</source>
        <translation>Partition de la mémoire</translation>
    </message>
    <message>
        <source>화면 터치 정확도 초기화</source>
        <translation>Réinitialiser l&apos;étalonnage tactile</translation>
    </message>
    <message>
        <source>전방</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>후방</source>
        <translation>Arrière</translation>
    </message>
    <message>
        <source>상시 녹화</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>상시 충격 녹화</source>
        <translation>Choc en conduite</translation>
    </message>
    <message>
        <source>주차 모션 녹화</source>
        <translation>Mouvement garé</translation>
    </message>
    <message>
        <source>주차 충격 녹화</source>
        <translation>Choc garé</translation>
    </message>
    <message>
        <source>수동 녹화</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>포맷하기</source>
        <translation>Formater</translation>
    </message>
    <message>
        <source>이 블랙박스의 설정 화면은 아직 지원되지 않습니다.</source>
        <translation>Les réglages de cette caméra ne sont pas encore disponibles.</translation>
    </message>
    <message>
        <source>사고 보고서</source>
        <translation>Rapport d'incident</translation>
    </message>
    <message>
        <source>녹화 파일</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>녹화 일시</source>
        <translation>Enregistré le</translation>
    </message>
    <message>
        <source>알 수 없음</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>구간</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>최대 충격</source>
        <translation>Accélération maximale</translation>
    </message>
    <message>
        <source>최고 속도</source>
        <translation>Vitesse maximale</translation>
    </message>
    <message>
        <source>시작 위치</source>
        <translation>Position de départ</translation>
    </message>
    <message>
        <source>끝 위치</source>
        <translation>Position finale</translation>
    </message>
    <message>
        <source>이 구간에는 GPS 정보가 없습니다.</source>
        <translation>Aucune position GPS dans cet intervalle : ni itinéraire, ni vitesse.</translation>
    </message>
    <message>
        <source>이 구간에는 센서 정보가 없습니다.</source>
        <translation>Aucune donnée de capteur dans cet intervalle : seule l'heure est indiquée.</translation>
    </message>
    <message>
        <source>사진 없음</source>
        <translation>Pas d'image</translation>
    </message>
    <message>
        <source>가속도와 속도</source>
        <translation>Accélération et vitesse</translation>
    </message>
    <message>
        <source>경로</source>
        <translation>Itinéraire</translation>
    </message>
    <message>
        <source>북</source>
        <translation>N</translation>
    </message>
    <message>
        <source>사고 보고서 만들기…</source>
        <translation>Rapport d'incident…</translation>
    </message>
    <message>
        <source>사고 순간 (초)</source>
        <translation>Instant (s)</translation>
    </message>
    <message>
        <source>이전 (초)</source>
        <translation>Avant (s)</translation>
    </message>
    <message>
        <source>이후 (초)</source>
        <translation>Après (s)</translation>
    </message>
    <message>
        <source>저장 위치</source>
        <translation>Enregistrer dans</translation>
    </message>
    <message>
        <source>찾아보기…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>만들기</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>사고 보고서를 만드는 중입니다…</source>
        <translation>Création du rapport d'incident…</translation>
    </message>
    <message>
        <source>사고 보고서를 만들지 못했습니다.</source>
        <translation>Le rapport d'incident n'a pas pu être créé.</translation>
    </message>
    <message>
        <source>한 프레임 뒤로</source>
        <translation>Une image en arrière</translation>
    </message>
    <message>
        <source>한 프레임 앞으로</source>
        <translation>Une image en avant</translation>
    </message>
    <message>
        <source>음량 줄이기</source>
        <translation>Baisser le volume</translation>
    </message>
    <message>
        <source>음량 키우기</source>
        <translation>Augmenter le volume</translation>
    </message>
    <message>
        <source>재생 / 일시 정지</source>
        <translation>Lecture / pause</translation>
    </message>
    <message>
        <source>전체 화면 끝내기</source>
        <translation>Quitter le plein écran</translation>
    </message>
    <message>
        <source>전체 화면 켜기/끄기</source>
        <translation>Plein écran oui/non</translation>
    </message>
    <message>
        <source>종료</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>최소화</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>이전 영상</source>
        <translation>Enregistrement précédent</translation>
    </message>
    <message>
        <source>다음 영상</source>
        <translation>Enregistrement suivant</translation>
    </message>
    <message>
        <source>확대</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>축소</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>원래 크기 1:1</source>
        <translation>Taille réelle 1:1</translation>
    </message>
    <message>
        <source>스냅샷 저장</source>
        <translation>Enregistrer une capture</translation>
    </message>
    <message>
        <source>소리 끄기/켜기</source>
        <translation>Couper / rétablir le son</translation>
    </message>
    <message>
        <source>인쇄</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>정지</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>확대한 화면 이동</source>
        <translation>Déplacer l'image agrandie</translation>
    </message>
    <message>
        <source>상하 반전</source>
        <translation>Retourner l'image</translation>
    </message>
    <message>
        <source>전방/후방 화면 바꾸기</source>
        <translation>Permuter caméras avant et arrière</translation>
    </message>
    <message>
        <source>재생 위치</source>
        <translation>Position de lecture</translation>
    </message>
    <message>
        <source>음량</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>폴더 선택</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>영상 사본 저장</source>
        <translation>Enregistrer une copie de l'enregistrement</translation>
    </message>
    <message>
        <source>영상 삭제</source>
        <translation>Supprimer l'enregistrement</translation>
    </message>
    <message>
        <source>클라우드에 올리기</source>
        <translation>Envoyer vers le cloud</translation>
    </message>
    <message>
        <source>클라우드에서 내려받기</source>
        <translation>Télécharger depuis le cloud</translation>
    </message>
    <message>
        <source>홈페이지</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>이 컴퓨터에서는 사용할 수 없습니다</source>
        <translation>non disponible sur cet ordinateur</translation>
    </message>
    <message>
        <source>단축키</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>키</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>동작</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>닫기</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Velmora 정보</source>
        <translation>À propos de Velmora</translation>
    </message>
    <message>
        <source>버전</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>모든 권리 보유.</source>
        <translation>Tous droits réservés.</translation>
    </message>
    <message>
        <source>사용한 라이브러리와 라이선스</source>
        <translation>Bibliothèques utilisées et leurs licences</translation>
    </message>
    <message>
        <source>지도 데이터</source>
        <translation>Données cartographiques</translation>
    </message>
    <message>
        <source>ffmpeg 프로그램은 별도의 프로그램으로 실행됩니다.</source>
        <translation>Le programme ffmpeg est exécuté comme un programme distinct.</translation>
    </message>
    <message>
        <source>뒤로</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>손상된 녹화 파일</source>
        <translation>Enregistrement endommagé</translation>
    </message>
    <message>
        <source>녹화 파일의 이 지점부터는 손상되어 재생할 수 없습니다.</source>
        <translation>L'enregistrement est endommagé à partir de ce point et ne peut pas être lu.</translation>
    </message>
    <message>
        <source>녹화 파일이 손상되어 재생할 수 없습니다.</source>
        <translation>L’enregistrement est endommagé et ne peut pas être lu.</translation>
    </message>
    <message>
        <source>녹화가 도중에 끊긴 파일입니다. 남아 있는 부분만 재생합니다.</source>
        <translation>L’enregistrement a été interrompu. Seule la partie enregistrée est lue.</translation>
    </message>
    <message>
        <source>앞 카메라 파일을 읽을 수 없습니다.</source>
        <translation>Le fichier de la caméra avant ne peut pas être lu.</translation>
    </message>
    <message>
        <source>변환하는 동안 녹화 파일이 바뀌었습니다.</source>
        <translation>L’enregistrement a changé pendant sa conversion.</translation>
    </message>
    <message>
        <source>작업 폴더에 남은 공간이 없습니다.</source>
        <translation>Le dossier de travail est plein : il n’y a pas de place pour la copie convertie.</translation>
    </message>
    <message>
        <source>작업 폴더에 쓸 수 없습니다.</source>
        <translation>Impossible d’écrire dans le dossier de travail : il est en lecture seule, n’est pas un dossier ou ne vous appartient pas.</translation>
    </message>
    <message>
        <source>녹화 파일이 더 이상 메모리카드에 없습니다.</source>
        <translation>L’enregistrement n’est plus sur la carte.</translation>
    </message>
    <message>
        <source>메모리카드 폴더가 제거되었거나 연결이 해제되었습니다.</source>
        <translation>Le dossier de la carte a été supprimé ou démonté.</translation>
    </message>
    <message>
        <source>녹화 파일을 읽을 권한이 없습니다.</source>
        <translation>Vous n’avez pas l’autorisation de lire cet enregistrement.</translation>
    </message>
    <message>
        <source>설정 화면이 메모리를 너무 많이 사용하여 중지되었습니다.</source>
        <translation>La page des réglages utilisait trop de mémoire et a été arrêtée.</translation>
    </message>
    <message>
        <source>트립 보기…</source>
        <translation>Trajets…</translation>
    </message>
    <message>
        <source>트립</source>
        <translation>Trajets</translation>
    </message>
    <message>
        <source>날짜</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>출발</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>도착</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>주행 시간</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>거리</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>급격한 충격</source>
        <translation>Chocs</translation>
    </message>
    <message>
        <source>다시 읽기</source>
        <translation>Relire</translation>
    </message>
    <message>
        <source>목록에 표시된 폴더가 없습니다.</source>
        <translation>Aucune carte ni aucun dossier n’est affiché.</translation>
    </message>
    <message>
        <source>트립을 읽는 중… (%1/%2)</source>
        <translation>Lecture des trajets… (%1/%2)</translation>
    </message>
    <message>
        <source>트립을 읽는 중…</source>
        <translation>Lecture des trajets…</translation>
    </message>
    <message>
        <source>트립 읽기를 취소했습니다.</source>
        <translation>Lecture des trajets annulée.</translation>
    </message>
    <message>
        <source>이 폴더에는 트립이 없습니다.</source>
        <translation>Aucun trajet dans ce dossier.</translation>
    </message>
    <message>
        <source>트립 %1개</source>
        <translation>Trajets : %1</translation>
    </message>
    <message>
        <source>이 지점부터 메모리카드를 읽을 수 없습니다. 녹화 파일이 손상된 것은 아닐 수 있습니다.</source>
        <translation>La carte mémoire n’a pas pu être lue à partir de ce point. L’enregistrement lui-même n’est peut-être pas endommagé.</translation>
    </message>
    <message>
        <source>메모리카드를 읽을 수 없습니다. 녹화 파일이 손상된 것은 아닐 수 있습니다.</source>
        <translation>La carte mémoire n’a pas pu être lue. L’enregistrement lui-même n’est peut-être pas endommagé.</translation>
    </message>
    <message>
        <source>녹화 파일이 비어 있습니다. 카메라가 파일 자리만 잡아 두고 녹화하지 않았습니다.</source>
        <translation>L’enregistrement est vide : la caméra a réservé le fichier sans rien y enregistrer.</translation>
    </message>
    <message>
        <source>빈 녹화 파일</source>
        <translation>Enregistrement vide</translation>
    </message>
    <message>
        <source>작업 폴더 오류</source>
        <translation>Erreur du dossier de travail</translation>
    </message>
    <message>
        <source>녹화 파일의 %1부터 %2까지는 손상되어 재생할 수 없어 건너뛰었습니다.</source>
        <translation>L’enregistrement est endommagé de %1 à %2 : cette partie ne peut pas être lue et a été sautée.</translation>
    </message>
    <message>
        <source>메모리카드를 기다리는 중…</source>
        <translation>En attente de la carte mémoire…</translation>
    </message>
    <message>
        <source>%1 파일을 읽을 수 없습니다: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 파일에 쓸 수 없습니다: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>%1 저장 중…</source>
        <translation>Enregistrement de %1…</translation>
    </message>
    <message>
        <source>남은 시간: %1</source>
        <translation>Temps restant : %1</translation>
    </message>
    <message>
        <source>남은 시간 계산 중…</source>
        <translation>Estimation du temps restant…</translation>
    </message>
    <message>
        <source>%1 종료</source>
        <translation>Quitter %1</translation>
    </message>
    <message>
        <source>이 경로에 마운트된 볼륨이 없습니다.</source>
        <translation>Aucun volume n'est monté à cet emplacement.</translation>
    </message>
    <message>
        <source>볼륨이 이 컴퓨터의 디스크에 있지 않습니다.</source>
        <translation>Le volume n'est pas sur un disque de cet ordinateur.</translation>
    </message>
    <message>
        <source>볼륨이 이동식 매체에 있지 않습니다.</source>
        <translation>Le volume n'est pas sur un support amovible.</translation>
    </message>
    <message>
        <source>이름 없는 볼륨은 카메라 카드로 보지 않습니다.</source>
        <translation>Un volume sans nom n'est pas pris pour une carte de caméra.</translation>
    </message>
    <message>
        <source>© 2026 Velmora 개발자.</source>
        <translation>© 2026 Les développeurs de Velmora.</translation>
    </message>
    <message>
        <source>카드가 빠져서 트립을 끝까지 읽지 못했습니다.</source>
        <translation>La carte a disparu : ses trajets n&apos;ont pas pu être lus jusqu&apos;au bout.</translation>
    </message>
    <message>
        <source>녹화 %1개는 파일 이름에서 쓸 수 있는 시간을 얻지 못해 빠졌습니다.</source>
        <translation>%1 enregistrements écartés : leur nom de fichier ne donne pas d&apos;heure utilisable.</translation>
    </message>
    <message>
        <source>이 모델의 설정은 이 프로그램에서 저장할 수 없습니다.
메모리카드에는 아무것도 기록되지 않았습니다.</source>
        <translation>Les paramètres de ce modèle ne peuvent pas être enregistrés par ce programme.
Rien n’a été écrit sur la carte mémoire.</translation>
    </message>
    <message>
        <source>메모리카드가 쓰기 금지되어 있습니다.
메모리카드의 잠금 스위치를 확인하여 주시기 바랍니다.</source>
        <translation>La carte mémoire est protégée en écriture.
Veuillez vérifier le verrou de la carte mémoire.</translation>
    </message>
    <message>
        <source>사고 보고서를 만들었습니다.</source>
        <translation>Le rapport d’incident a été créé.</translation>
    </message>
    <message>
        <source>보고서 위치: %1</source>
        <translation>Le rapport se trouve dans : %1</translation>
    </message>
    <message>
        <source>스냅샷에 앞뒤 카메라를 나란히</source>
        <translation>Instantanés avec les caméras avant et arrière côte à côte</translation>
    </message>
    <message>
        <source>스냅샷에 날짜, 시각, 속도 표시</source>
        <translation>Inscrire date, heure et vitesse sur les instantanés</translation>
    </message>
    <message>
        <source>카메라의 메모리카드를 넣거나 폴더를 선택하십시오</source>
        <translation>Insérez la carte de la caméra ou choisissez un dossier</translation>
    </message>
    <message>
        <source>가속도 X축 (g, 1 g = 9.8 m/s²)</source>
        <translation>Accélération, axe X (g, 1 g = 9,8 m/s²)</translation>
    </message>
    <message>
        <source>가속도 Y축 (g, 1 g = 9.8 m/s²)</source>
        <translation>Accélération, axe Y (g, 1 g = 9,8 m/s²)</translation>
    </message>
    <message>
        <source>가속도 Z축 (g, 1 g = 9.8 m/s²)</source>
        <translation>Accélération, axe Z (g, 1 g = 9,8 m/s²)</translation>
    </message>
    <message>
        <source>위도 (도, 북쪽이 양수)</source>
        <translation>Latitude (degrés, positive au nord)</translation>
    </message>
    <message>
        <source>경도 (도, 동쪽이 양수)</source>
        <translation>Longitude (degrés, positive à l’est)</translation>
    </message>
    <message>
        <source>빠르게 재생</source>
        <translation>Lecture plus rapide</translation>
    </message>
    <message>
        <source>느리게 재생</source>
        <translation>Lecture plus lente</translation>
    </message>
    <message>
        <source>보통 속도로 재생</source>
        <translation>Lecture à vitesse normale</translation>
    </message>
    <message>
        <source>5초 뒤로</source>
        <translation>Reculer de 5 secondes</translation>
    </message>
    <message>
        <source>5초 앞으로</source>
        <translation>Avancer de 5 secondes</translation>
    </message>
    <message>
        <source>30초 뒤로</source>
        <translation>Reculer de 30 secondes</translation>
    </message>
    <message>
        <source>30초 앞으로</source>
        <translation>Avancer de 30 secondes</translation>
    </message>
    <message>
        <source>재생 속도</source>
        <translation>Vitesse de lecture</translation>
    </message>
</context>
</TS>
