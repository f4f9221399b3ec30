<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ko_KR">
<context>
    <name>Localizable_QB62</name>
    <message>
        <source>(UTC) Greenwich</source>
        <translation>(UTC) Greenwich</translation>
    </message>
    <message>
        <source>(UTC+01:00) Brussels, Copenhagen, Madrid, Paris</source>
        <translation>(UTC+01:00) Brussels, Copenhagen, Madrid, Paris</translation>
    </message>
    <message>
        <source>(UTC+08:00) Kuala Lumpur, Singapore</source>
        <translation>(UTC+08:00) Kuala Lumpur, Singapore</translation>
    </message>
    <message>
        <source>(UTC+09:30) Adelaide</source>
        <translation>(UTC+09:30) Adelaide</translation>
    </message>
    <message>
        <source>(UTC+10:00) Canberra, Melbourne, Sidney</source>
        <translation>(UTC+10:00) Canberra, Melbourne, Sydney</translation>
    </message>
    <message>
        <source>(UTC-04:00) Atlantic  Standard Time (Canada)</source>
        <translation>(UTC-04:00) Atlantic Standard Time (Canada)</translation>
    </message>
    <message>
        <source>(UTC-05:00) Eastern Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-05:00) Eastern Standard Time (USA and Canada)</translation>
    </message>
    <message>
        <source>(UTC-06:00) Central Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-06:00) Central Standard Time (USA and Canada)</translation>
    </message>
    <message>
        <source>(UTC-07:00) Mountain Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-07:00) Mountain Standard Time (USA and Canada)</translation>
    </message>
    <message>
        <source>(UTC-08:00) Pacific Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-08:00) Pacific Standard Time (USA and Canada)</translation>
    </message>
    <message>
        <source>(UTC-09:00) Alaska</source>
        <translation>(UTC-09:00) Alaska</translation>
    </message>
    <message>
        <source>(UTC-10:00) Hawaii</source>
        <translation>(UTC-10:00) Hawaii</translation>
    </message>
    <message>
        <source>(시동이 꺼지면 블랙박스를 종료합니다</source>
        <translation>(Shuts the dashcam down when the engine is turned off)</translation>
    </message>
    <message>
        <source>(시동이 꺼지면 주차 녹화 모드로 전환합니다</source>
        <translation>(Switches to parking recording mode when the engine is turned off)</translation>
    </message>
    <message>
        <source>10분 후</source>
        <translation>After 10 min</translation>
    </message>
    <message>
        <source>2분 후</source>
        <translation>After 2 min</translation>
    </message>
    <message>
        <source>5분 후</source>
        <translation>After 5 min</translation>
    </message>
    <message>
        <source>A Type(권장)</source>
        <translation>Type A (recommended)</translation>
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
        <translation>After 10 min</translation>
    </message>
    <message>
        <source>QD34 : 30초 후</source>
        <translation>After 30 s</translation>
    </message>
    <message>
        <source>QF27 : Daylight Saving Time</source>
        <translation>Daylight Saving Time</translation>
    </message>
    <message>
        <source>QF27 : Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>QF27 : Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>QF27 : 날짜 / 시간</source>
        <translation>Date / Time</translation>
    </message>
    <message>
        <source>QF27 : 녹화종료전압</source>
        <translation>Recording Cut-off Voltage</translation>
    </message>
    <message>
        <source>QF27 : 둔감</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>QF27 : 메모리 파티션</source>
        <translation>Memory Partition</translation>
    </message>
    <message>
        <source>QF27 : 모션인식감도</source>
        <translation>Motion Detection Sensitivity</translation>
    </message>
    <message>
        <source>QF27 : 민감</source>
        <translation>High</translation>
    </message>
    <message>
        <source>QF27 : 사용 안 함</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>QF27 : 사용 함</source>
        <translation>On</translation>
    </message>
    <message>
        <source>QF27 : 상시녹화</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>QF27 : 수동녹화</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>QF27 : 음성녹음</source>
        <translation>Voice Recording</translation>
    </message>
    <message>
        <source>QF27 : 음성안내</source>
        <translation>Voice Guidance</translation>
    </message>
    <message>
        <source>QF27 : 이벤트녹화</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>QF27 : 자동주차모드</source>
        <translation>Automatic Parking Mode</translation>
    </message>
    <message>
        <source>QF27 : 작게</source>
        <translation>Quiet</translation>
    </message>
    <message>
        <source>QF27 : 주차녹화</source>
        <translation>Parking</translation>
    </message>
    <message>
        <source>QF27 : 충격감도</source>
        <translation>Impact Sensitivity</translation>
    </message>
    <message>
        <source>QF27 : 크게</source>
        <translation>Loud</translation>
    </message>
    <message>
        <source>QF27 : 펌웨어 버전</source>
        <translation>Firmware Version</translation>
    </message>
    <message>
        <source>QF27 : 표준 시간대</source>
        <translation>Time Zone</translation>
    </message>
    <message>
        <source>e.g.)</source>
        <translation>e.g.)</translation>
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
        <translation>Unknown</translation>
    </message>
    <message>
        <source>고정 15fps</source>
        <translation>Fixed 15 fps</translation>
    </message>
    <message>
        <source>고정 30fps</source>
        <translation>Fixed 30 fps</translation>
    </message>
    <message>
        <source>공통</source>
        <translation>General</translation>
    </message>
    <message>
        <source>낮음</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>높음</source>
        <translation>High</translation>
    </message>
    <message>
        <source>동영상 변환 중</source>
        <translation>Converting video</translation>
    </message>
    <message>
        <source>메모리 카드 포맷이 완료 되었습니다.</source>
        <translation>The memory card has been formatted.</translation>
    </message>
    <message>
        <source>메모리 카드 포멧</source>
        <translation>Format Memory Card</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.</source>
        <translation>The memory card cannot be formatted.</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.&#xd;
&#xd;
ORBIVX에서 동영상을 재생 중이거나 GPS 데이터를 수집중인 경우&#xd;
ORBIVEX를 종료하고 다시 포맷하십시오.&#xd;
메모리카드를 사용하고 있는 디스크 유틸리티나 다른 프로그램을 종료하고&#xd;
메모리카드의 내용을 표시하고 있는 창이 없는지 확인한 다음 다시 포맷하십시오.</source>
        <translation>The memory card cannot be formatted.&#xd;
&#xd;
If Velmora is playing a video or collecting GPS data,&#xd;
quit Velmora and format again.&#xd;
Quit any disk utility or other program that is using the memory card,&#xd;
make sure no window is showing the contents of the memory card, then format again.</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.&#xd;
&#xd;
포맷 프로그램을 실행할 수 없습니다.&#xd;
프로그램을 다시 설치하십시오.</source>
        <translation>The memory card cannot be formatted.&#xd;
&#xd;
The format program cannot be started.&#xd;
Please reinstall the program.</translation>
    </message>
    <message>
        <source>메모리카드 오류</source>
        <translation>Memory Card Error</translation>
    </message>
    <message>
        <source>메모리카드를 확인하여 주시기 바랍니다.</source>
        <translation>Please check the memory card.</translation>
    </message>
    <message>
        <source>보통</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>부가기능</source>
        <translation>Additional Features</translation>
    </message>
    <message>
        <source>블랙박스 설정</source>
        <translation>Dashcam Settings</translation>
    </message>
    <message>
        <source>사용 안함</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>상시모드</source>
        <translation>Continuous Mode</translation>
    </message>
    <message>
        <source>설정값 초기화</source>
        <translation>Reset Settings</translation>
    </message>
    <message>
        <source>속도 단위</source>
        <translation>Speed Unit</translation>
    </message>
    <message>
        <source>속도표시</source>
        <translation>Speed Display</translation>
    </message>
    <message>
        <source>시큐리티 LED</source>
        <translation>Security LED</translation>
    </message>
    <message>
        <source>아니오</source>
        <translation>No</translation>
    </message>
    <message>
        <source>언어</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>열기</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>영어</source>
        <translation>English</translation>
    </message>
    <message>
        <source>예</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>일본어</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>저장</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>주의 : 포맷 시 메모리 카드의 모든 데이터가 삭제됩니다. &#xd;
포맷하려면 (예)를, 취소하려면 (아니오)를 선택 하십시오.</source>
        <translation>Caution: formatting deletes all data on the memory card.&#xd;
Choose (Yes) to format or (No) to cancel.</translation>
    </message>
    <message>
        <source>주의 : 현재 설정된 화면 터치 정확도 값이 초기화 됩니다.&#xd;
초기화하려면 (예)를, 취소하려면 (아니오)를 선택 하십시오.</source>
        <translation>Caution: the current touch screen accuracy setting will be reset.&#xd;
Choose (Yes) to reset or (No) to cancel.</translation>
    </message>
    <message>
        <source>주차모드</source>
        <translation>Parking Mode</translation>
    </message>
    <message>
        <source>주차모드를 사용하지 않는 경우,
차량 시동이 꺼지면 주차 중 녹화가 되지 않습니다.
주차모드 사용을 해제 하시겠습니까?</source>
        <translation>If parking mode is not used,
nothing is recorded while the vehicle is parked with the engine off.
Do you want to turn parking mode off?</translation>
    </message>
    <message>
        <source>주차모션</source>
        <translation>Parking Motion</translation>
    </message>
    <message>
        <source>주차모션 선택 시,
타임랩스 영상이 삭제되고 주차모션 영상이 저장됩니다.
적용하시겠습니까?</source>
        <translation>If Parking Motion is selected,
time-lapse videos are deleted and parking motion videos are saved.
Do you want to apply this?</translation>
    </message>
    <message>
        <source>지원하지 않는 형식으로 인코딩된 동영상입니다.</source>
        <translation>This video is encoded in an unsupported format.</translation>
    </message>
    <message>
        <source>초기화하기</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>케스트릭스 블랙박스 정보를 읽을 수 없습니다.
모델명을 선택하면 기본 설정 값을 적용 할 수 있습니다.</source>
        <translation>The Kestrix dashcam information cannot be read.
Select a model name to apply its default settings.</translation>
    </message>
    <message>
        <source>타임랩스</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>타임랩스 선택 시 
주차모션 영상이 삭제되고 주차모드 및 주차충격 영상이 타임랩스로 저장됩니다.
적용하시겠습니까?</source>
        <translation>If Time-lapse is selected,
parking motion videos are deleted and parking mode and parking impact videos are saved as time-lapse.
Do you want to apply this?</translation>
    </message>
    <message>
        <source>파일_모션</source>
        <translation>Motion</translation>
    </message>
    <message>
        <source>파일_상시</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>파일_수동</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>파일_이벤트</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>파일_전체</source>
        <translation>All</translation>
    </message>
    <message>
        <source>포르투갈어</source>
        <translation>Portuguese</translation>
    </message>
    <message>
        <source>포맷 중 입니다.&#xd;
잠시만 기다려 주십시오.</source>
        <translation>Formatting in progress.&#xd;
Please wait.</translation>
    </message>
    <message>
        <source>프랑스어</source>
        <translation>French</translation>
    </message>
    <message>
        <source>플래시 메모리를 선택해주세요.</source>
        <translation>Please select the flash memory.</translation>
    </message>
    <message>
        <source>현재 시간 가져오기</source>
        <translation>Use Current Time</translation>
    </message>
    <message>
        <source>화면 터치 정확도 초기화가 완료되었습니다.</source>
        <translation>The touch screen accuracy has been reset.</translation>
    </message>
    <message>
        <source>화면 터치 정확도를 초기화할 수 없습니다.&#xd;
메모리카드를 확인하여 주시기 바랍니다.</source>
        <translation>The touch screen accuracy cannot be reset.&#xd;
Please check the memory card.</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>파일을 저장하지 못했습니다.</source>
        <translation>The file could not be saved.</translation>
    </message>
    <message>
        <source>인쇄하지 못했습니다.</source>
        <translation>The picture could not be printed.</translation>
    </message>
    <message>
        <source>사용</source>
        <translation>On</translation>
    </message>
    <message>
        <source>승용차</source>
        <translation>Car</translation>
    </message>
    <message>
        <source>트럭/버스</source>
        <translation>Truck/Bus</translation>
    </message>
    <message>
        <source>시큐리티 LED 모드 1</source>
        <translation>Security LED mode 1</translation>
    </message>
    <message>
        <source>시큐리티 LED 모드 2</source>
        <translation>Security LED mode 2</translation>
    </message>
    <message>
        <source>시큐리티 LED 모드 3</source>
        <translation>Security LED mode 3</translation>
    </message>
    <message>
        <source>전방 카메라 밝기</source>
        <translation>Front camera brightness</translation>
    </message>
    <message>
        <source>후방 카메라 밝기</source>
        <translation>Rear camera brightness</translation>
    </message>
    <message>
        <source>음성 녹음</source>
        <translation>Sound recording</translation>
    </message>
    <message>
        <source>음성 안내</source>
        <translation>Voice guidance</translation>
    </message>
    <message>
        <source>시간 설정</source>
        <translation>Set the clock</translation>
    </message>
    <message>
        <source>표준 시간대</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>일광 절약 시간</source>
        <translation>Daylight saving time</translation>
    </message>
    <message>
        <source>날짜 표시 형식</source>
        <translation>Date format</translation>
    </message>
    <message>
        <source>운전 가이드</source>
        <translation>Driving guide</translation>
    </message>
    <message>
        <source>화면 밝기</source>
        <translation>Screen brightness</translation>
    </message>
    <message>
        <source>화면 꺼짐 시간</source>
        <translation>Screen off timer</translation>
    </message>
    <message>
        <source>해상도</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>프레임 레이트</source>
        <translation>Frame rate</translation>
    </message>
    <message>
        <source>영상 화질</source>
        <translation>Video quality</translation>
    </message>
    <message>
        <source>충격 감도</source>
        <translation>Impact sensitivity</translation>
    </message>
    <message>
        <source>차량 종류</source>
        <translation>Vehicle type</translation>
    </message>
    <message>
        <source>차선 이탈 경보</source>
        <translation>Lane departure warning</translation>
    </message>
    <message>
        <source>앞차 추돌 경보</source>
        <translation>Forward collision warning</translation>
    </message>
    <message>
        <source>앞차 출발 알림</source>
        <translation>Vehicle ahead departure alert</translation>
    </message>
    <message>
        <source>슈퍼 나이트 비전</source>
        <translation>Super night vision</translation>
    </message>
    <message>
        <source>모션 감지</source>
        <translation>Motion detection</translation>
    </message>
    <message>
        <source>주차 녹화 시간</source>
        <translation>Parking recording time</translation>
    </message>
    <message>
        <source>배터리 방전 방지</source>
        <translation>Battery discharge protection</translation>
    </message>
    <message>
        <source>덮어쓰기</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>메모리 파티션</source>
        <translation>Memory partition</translation>
    </message>
    <message>
        <source>화면 터치 정확도 초기화</source>
        <translation>Reset touch calibration</translation>
    </message>
    <message>
        <source>전방</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>후방</source>
        <translation>Rear</translation>
    </message>
    <message>
        <source>상시 녹화</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>상시 충격 녹화</source>
        <translation>Driving impact</translation>
    </message>
    <message>
        <source>주차 모션 녹화</source>
        <translation>Parking motion</translation>
    </message>
    <message>
        <source>주차 충격 녹화</source>
        <translation>Parking impact</translation>
    </message>
    <message>
        <source>수동 녹화</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>포맷하기</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>이 블랙박스의 설정 화면은 아직 지원되지 않습니다.</source>
        <translation>Settings for this camera are not available yet.</translation>
    </message>
    <message>
        <source>사고 보고서</source>
        <translation>Incident report</translation>
    </message>
    <message>
        <source>녹화 파일</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>녹화 일시</source>
        <translation>Recorded</translation>
    </message>
    <message>
        <source>알 수 없음</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>구간</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>최대 충격</source>
        <translation>Peak acceleration</translation>
    </message>
    <message>
        <source>최고 속도</source>
        <translation>Top speed</translation>
    </message>
    <message>
        <source>시작 위치</source>
        <translation>Start position</translation>
    </message>
    <message>
        <source>끝 위치</source>
        <translation>End position</translation>
    </message>
    <message>
        <source>이 구간에는 GPS 정보가 없습니다.</source>
        <translation>No GPS position in this window: no route, no speed.</translation>
    </message>
    <message>
        <source>이 구간에는 센서 정보가 없습니다.</source>
        <translation>No sensor data in this window: only the time is given.</translation>
    </message>
    <message>
        <source>사진 없음</source>
        <translation>No picture</translation>
    </message>
    <message>
        <source>가속도와 속도</source>
        <translation>Acceleration and speed</translation>
    </message>
    <message>
        <source>경로</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>북</source>
        <translation>N</translation>
    </message>
    <message>
        <source>사고 보고서 만들기…</source>
        <translation>Incident Report…</translation>
    </message>
    <message>
        <source>사고 순간 (초)</source>
        <translation>Moment (s)</translation>
    </message>
    <message>
        <source>이전 (초)</source>
        <translation>Before (s)</translation>
    </message>
    <message>
        <source>이후 (초)</source>
        <translation>After (s)</translation>
    </message>
    <message>
        <source>저장 위치</source>
        <translation>Save in</translation>
    </message>
    <message>
        <source>찾아보기…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>만들기</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>사고 보고서를 만드는 중입니다…</source>
        <translation>Making the incident report…</translation>
    </message>
    <message>
        <source>사고 보고서를 만들지 못했습니다.</source>
        <translation>The incident report could not be made.</translation>
    </message>
    <message>
        <source>한 프레임 뒤로</source>
        <translation>One frame back</translation>
    </message>
    <message>
        <source>한 프레임 앞으로</source>
        <translation>One frame forward</translation>
    </message>
    <message>
        <source>음량 줄이기</source>
        <translation>Volume down</translation>
    </message>
    <message>
        <source>음량 키우기</source>
        <translation>Volume up</translation>
    </message>
    <message>
        <source>재생 / 일시 정지</source>
        <translation>Play / pause</translation>
    </message>
    <message>
        <source>전체 화면 끝내기</source>
        <translation>Leave full screen</translation>
    </message>
    <message>
        <source>전체 화면 켜기/끄기</source>
        <translation>Full screen on/off</translation>
    </message>
    <message>
        <source>종료</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>최소화</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>이전 영상</source>
        <translation>Previous recording</translation>
    </message>
    <message>
        <source>다음 영상</source>
        <translation>Next recording</translation>
    </message>
    <message>
        <source>확대</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>축소</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>원래 크기 1:1</source>
        <translation>Actual size 1:1</translation>
    </message>
    <message>
        <source>스냅샷 저장</source>
        <translation>Save snapshot</translation>
    </message>
    <message>
        <source>소리 끄기/켜기</source>
        <translation>Mute / unmute</translation>
    </message>
    <message>
        <source>인쇄</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>정지</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>확대한 화면 이동</source>
        <translation>Pan the zoomed picture</translation>
    </message>
    <message>
        <source>상하 반전</source>
        <translation>Flip upside down</translation>
    </message>
    <message>
        <source>전방/후방 화면 바꾸기</source>
        <translation>Swap front and rear cameras</translation>
    </message>
    <message>
        <source>재생 위치</source>
        <translation>Playback position</translation>
    </message>
    <message>
        <source>음량</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>폴더 선택</source>
        <translation>Choose folder</translation>
    </message>
    <message>
        <source>영상 사본 저장</source>
        <translation>Save a copy of the recording</translation>
    </message>
    <message>
        <source>영상 삭제</source>
        <translation>Delete recording</translation>
    </message>
    <message>
        <source>클라우드에 올리기</source>
        <translation>Upload to cloud</translation>
    </message>
    <message>
        <source>클라우드에서 내려받기</source>
        <translation>Download from cloud</translation>
    </message>
    <message>
        <source>홈페이지</source>
        <translation>Home page</translation>
    </message>
    <message>
        <source>이 컴퓨터에서는 사용할 수 없습니다</source>
        <translation>not available on this computer</translation>
    </message>
    <message>
        <source>단축키</source>
        <translation>Keyboard shortcuts</translation>
    </message>
    <message>
        <source>키</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>동작</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>닫기</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Velmora 정보</source>
        <translation>About Velmora</translation>
    </message>
    <message>
        <source>버전</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>모든 권리 보유.</source>
        <translation>All rights reserved.</translation>
    </message>
    <message>
        <source>사용한 라이브러리와 라이선스</source>
        <translation>Libraries used and their licences</translation>
    </message>
    <message>
        <source>지도 데이터</source>
        <translation>Map data</translation>
    </message>
    <message>
        <source>ffmpeg 프로그램은 별도의 프로그램으로 실행됩니다.</source>
        <translation>The ffmpeg program is run as a separate program.</translation>
    </message>
    <message>
        <source>뒤로</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>손상된 녹화 파일</source>
        <translation>Damaged recording</translation>
    </message>
    <message>
        <source>녹화 파일의 이 지점부터는 손상되어 재생할 수 없습니다.</source>
        <translation>The recording is damaged from this point on and cannot be played.</translation>
    </message>
    <message>
        <source>녹화 파일이 손상되어 재생할 수 없습니다.</source>
        <translation>The recording is damaged and cannot be played.</translation>
    </message>
    <message>
        <source>녹화가 도중에 끊긴 파일입니다. 남아 있는 부분만 재생합니다.</source>
        <translation>The recording was cut short. Only the part that was saved plays.</translation>
    </message>
    <message>
        <source>앞 카메라 파일을 읽을 수 없습니다.</source>
        <translation>The front camera file cannot be read.</translation>
    </message>
    <message>
        <source>변환하는 동안 녹화 파일이 바뀌었습니다.</source>
        <translation>The recording changed while it was being converted.</translation>
    </message>
    <message>
        <source>작업 폴더에 남은 공간이 없습니다.</source>
        <translation>The working folder is full: there is no room for the converted copy.</translation>
    </message>
    <message>
        <source>작업 폴더에 쓸 수 없습니다.</source>
        <translation>The working folder cannot be written to: it is read-only, not a folder, or not yours.</translation>
    </message>
    <message>
        <source>녹화 파일이 더 이상 메모리카드에 없습니다.</source>
        <translation>The recording is no longer on the card.</translation>
    </message>
    <message>
        <source>메모리카드 폴더가 제거되었거나 연결이 해제되었습니다.</source>
        <translation>The card's folder was removed or unmounted.</translation>
    </message>
    <message>
        <source>녹화 파일을 읽을 권한이 없습니다.</source>
        <translation>You do not have permission to read this recording.</translation>
    </message>
    <message>
        <source>설정 화면이 메모리를 너무 많이 사용하여 중지되었습니다.</source>
        <translation>The settings page used too much memory and was stopped.</translation>
    </message>
    <message>
        <source>트립 보기…</source>
        <translation>Trips…</translation>
    </message>
    <message>
        <source>트립</source>
        <translation>Trips</translation>
    </message>
    <message>
        <source>날짜</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>출발</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>도착</source>
        <translation>End</translation>
    </message>
    <message>
        <source>주행 시간</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>거리</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>급격한 충격</source>
        <translation>Hard events</translation>
    </message>
    <message>
        <source>다시 읽기</source>
        <translation>Read again</translation>
    </message>
    <message>
        <source>목록에 표시된 폴더가 없습니다.</source>
        <translation>No card or folder is listed.</translation>
    </message>
    <message>
        <source>트립을 읽는 중… (%1/%2)</source>
        <translation>Reading the trips… (%1/%2)</translation>
    </message>
    <message>
        <source>트립을 읽는 중…</source>
        <translation>Reading the trips…</translation>
    </message>
    <message>
        <source>트립 읽기를 취소했습니다.</source>
        <translation>Reading the trips was cancelled.</translation>
    </message>
    <message>
        <source>이 폴더에는 트립이 없습니다.</source>
        <translation>No trips in this folder.</translation>
    </message>
    <message>
        <source>트립 %1개</source>
        <translation>Trips: %1</translation>
    </message>
    <message>
        <source>이 지점부터 메모리카드를 읽을 수 없습니다. 녹화 파일이 손상된 것은 아닐 수 있습니다.</source>
        <translation>The memory card could not be read from this point on. The recording itself may not be damaged.</translation>
    </message>
    <message>
        <source>메모리카드를 읽을 수 없습니다. 녹화 파일이 손상된 것은 아닐 수 있습니다.</source>
        <translation>The memory card could not be read. The recording itself may not be damaged.</translation>
    </message>
    <message>
        <source>녹화 파일이 비어 있습니다. 카메라가 파일 자리만 잡아 두고 녹화하지 않았습니다.</source>
        <translation>The recording is empty: the camera reserved the file but recorded nothing into it.</translation>
    </message>
    <message>
        <source>빈 녹화 파일</source>
        <translation>Empty recording</translation>
    </message>
    <message>
        <source>작업 폴더 오류</source>
        <translation>Working Folder Error</translation>
    </message>
    <message>
        <source>녹화 파일의 %1부터 %2까지는 손상되어 재생할 수 없어 건너뛰었습니다.</source>
        <translation>The recording is damaged from %1 to %2: that part cannot be played and was skipped.</translation>
    </message>
    <message>
        <source>메모리카드를 기다리는 중…</source>
        <translation>Waiting for the memory card…</translation>
    </message>
    <message>
        <source>%1 파일을 읽을 수 없습니다: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>%1 파일에 쓸 수 없습니다: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>%1 저장 중…</source>
        <translation>Saving %1…</translation>
    </message>
    <message>
        <source>남은 시간: %1</source>
        <translation>Time left: %1</translation>
    </message>
    <message>
        <source>남은 시간 계산 중…</source>
        <translation>Estimating the time left…</translation>
    </message>
    <message>
        <source>%1 종료</source>
        <translation>Quit %1</translation>
    </message>
    <message>
        <source>이 경로에 마운트된 볼륨이 없습니다.</source>
        <translation>Nothing is mounted at this path.</translation>
    </message>
    <message>
        <source>볼륨이 이 컴퓨터의 디스크에 있지 않습니다.</source>
        <translation>The volume is not on a disk of this computer.</translation>
    </message>
    <message>
        <source>볼륨이 이동식 매체에 있지 않습니다.</source>
        <translation>The volume is not on a removable medium.</translation>
    </message>
    <message>
        <source>이름 없는 볼륨은 카메라 카드로 보지 않습니다.</source>
        <translation>An untitled volume is not taken for a camera card.</translation>
    </message>
    <message>
        <source>© 2026 Velmora 개발자.</source>
        <translation>© 2026 The Velmora developers.</translation>
    </message>
    <message>
        <source>카드가 빠져서 트립을 끝까지 읽지 못했습니다.</source>
        <translation>The card went away: its trips could not be read to the end.</translation>
    </message>
    <message>
        <source>녹화 %1개는 파일 이름에서 쓸 수 있는 시간을 얻지 못해 빠졌습니다.</source>
        <translation>%1 recordings left out: their file names give no usable time.</translation>
    </message>
    <message>
        <source>이 모델의 설정은 이 프로그램에서 저장할 수 없습니다.
메모리카드에는 아무것도 기록되지 않았습니다.</source>
        <translation>The settings of this model cannot be saved by this program.
Nothing was written to the memory card.</translation>
    </message>
    <message>
        <source>메모리카드가 쓰기 금지되어 있습니다.
메모리카드의 잠금 스위치를 확인하여 주시기 바랍니다.</source>
        <translation>The memory card is write-protected.
Please check the lock switch of the memory card.</translation>
    </message>
    <message>
        <source>사고 보고서를 만들었습니다.</source>
        <translation>The incident report was made.</translation>
    </message>
    <message>
        <source>보고서 위치: %1</source>
        <translation>The report is in: %1</translation>
    </message>
    <message>
        <source>스냅샷에 앞뒤 카메라를 나란히</source>
        <translation>Snapshots Show Front and Rear Side by Side</translation>
    </message>
    <message>
        <source>스냅샷에 날짜, 시각, 속도 표시</source>
        <translation>Stamp Date, Time and Speed on Snapshots</translation>
    </message>
    <message>
        <source>카메라의 메모리카드를 넣거나 폴더를 선택하십시오</source>
        <translation>Insert the camera&apos;s card or choose a folder</translation>
    </message>
    <message>
        <source>가속도 X축 (g, 1 g = 9.8 m/s²)</source>
        <translation>Acceleration, X axis (g, 1 g = 9.8 m/s²)</translation>
    </message>
    <message>
        <source>가속도 Y축 (g, 1 g = 9.8 m/s²)</source>
        <translation>Acceleration, Y axis (g, 1 g = 9.8 m/s²)</translation>
    </message>
    <message>
        <source>가속도 Z축 (g, 1 g = 9.8 m/s²)</source>
        <translation>Acceleration, Z axis (g, 1 g = 9.8 m/s²)</translation>
    </message>
    <message>
        <source>위도 (도, 북쪽이 양수)</source>
        <translation>Latitude (degrees, north positive)</translation>
    </message>
    <message>
        <source>경도 (도, 동쪽이 양수)</source>
        <translation>Longitude (degrees, east positive)</translation>
    </message>
    <message>
        <source>빠르게 재생</source>
        <translation>Play faster</translation>
    </message>
    <message>
        <source>느리게 재생</source>
        <translation>Play slower</translation>
    </message>
    <message>
        <source>보통 속도로 재생</source>
        <translation>Play at normal speed</translation>
    </message>
    <message>
        <source>5초 뒤로</source>
        <translation>Back 5 seconds</translation>
    </message>
    <message>
        <source>5초 앞으로</source>
        <translation>Forward 5 seconds</translation>
    </message>
    <message>
        <source>30초 뒤로</source>
        <translation>Back 30 seconds</translation>
    </message>
    <message>
        <source>30초 앞으로</source>
        <translation>Forward 30 seconds</translation>
    </message>
    <message>
        <source>재생 속도</source>
        <translation>Playback speed</translation>
    </message>
</context>
</TS>
