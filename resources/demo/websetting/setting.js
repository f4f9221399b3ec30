// The settings page of the demo card's camera. The viewer hosting it hands over the card's
// settings record as hexadecimal text (set_cfg), the card's languages and the current one, and
// the stored clock setting; the page edits a few fields of the record and gives the record back
// (get_cfg). It talks back through the viewer's "Dashcam" object.
'use strict';

var model = { name: 'QR28', cfgSize: 596 };

var cfg = [];
var languages = [];
var language = '';
var clock = { date: '', hour: '', minute: '', use: false };
var NOTI_ADAS_ASK = 7;
var NOTI_ADAS_DONE = 8;
var NOTI_PARKING = 9;

// Fields of the record this page edits: byte offset, and the values the camera takes.
var FIELDS = {
  audio_record: { offset: 100, label: 'Record sound', choices: ['Off', 'On'] },
  audio_record_volume: { offset: 104, label: 'Recording volume', choices: ['1', '2', '3', '4', '5'] },
  acceleration_sensor: { offset: 120, label: 'Impact sensitivity', choices: ['Lowest', 'Low', 'Middle', 'High', 'Highest'] },
  parking_mode_set: { offset: 180, label: 'Parking mode', choices: ['Off', 'Motion', 'Time lapse'] },
  lcd_brightness: { offset: 420, label: 'Screen brightness', choices: ['Dark', 'Normal', 'Bright'] }
};
var LANGUAGE_OFFSET = 428;
var LANGUAGE_NAMES = { en: 'English', fr: 'Français', ja: '日本語', pt: 'Português', ko: '한국어', es: 'Español' };

var MENU = [
  { id: 'record', title: 'Recording', fields: ['audio_record', 'audio_record_volume', 'acceleration_sensor'] },
  { id: 'parking', title: 'Parking', fields: ['parking_mode_set'] },
  { id: 'system', title: 'System', fields: ['lcd_brightness'], language: true },
  { id: 'clock', title: 'Clock' },
  { id: 'adas', title: 'Driver assistance' }
];

function readInt(offset) {
  if (offset + 4 > cfg.length) {
    return 0;
  }
  return (cfg[offset] | (cfg[offset + 1] << 8) | (cfg[offset + 2] << 16) | (cfg[offset + 3] << 24)) >>> 0;
}

function writeInt(offset, value) {
  while (cfg.length < offset + 4) {
    cfg.push(0);
  }
  for (var i = 0; i < 4; ++i) {
    cfg[offset + i] = (value >>> (8 * i)) & 0xff;
  }
}

function readText(offset, width) {
  var text = '';
  for (var i = offset; i < offset + width && i < cfg.length && cfg[i] !== 0; ++i) {
    text += String.fromCharCode(cfg[i]);
  }
  return text;
}

function set_cfg(hex) {
  cfg = [];
  for (var i = 0; i + 1 < hex.length; i += 2) {
    cfg.push(parseInt(hex.substr(i, 2), 16) || 0);
  }
  Dashcam.log('set_cfg: ' + cfg.length + ' bytes');
  document.getElementById('firmware').textContent = 'Firmware ' + readText(40, 10);
}

function get_cfg() {
  var hex = '';
  for (var i = 0; i < cfg.length; ++i) {
    hex += (cfg[i] < 16 ? '0' : '') + cfg[i].toString(16).toUpperCase();
  }
  return hex;
}

function setParamLanguage(list) {
  languages = list.filter(function (code) { return typeof code === 'string' && code.length > 0; });
}

function set_language(code) {
  language = code;
  document.documentElement.lang = code;
  Dashcam.languageSetComplete();
}

function setTimeDate(date) {
  clock.date = date.replace(/,/g, '-');
}

function setTimeHour(hour) {
  clock.hour = hour;
}

function setTimeMin(minute) {
  clock.minute = minute;
}

function generateSetting(showTabs) {
  Dashcam.log('generateSetting(' + showTabs + ')');
  var menu = document.getElementById('menu');
  menu.textContent = '';
  MENU.forEach(function (entry) {
    var item = document.createElement('li');
    var link = document.createElement('a');
    link.href = '#' + entry.id;
    link.id = 'menu-' + entry.id;
    link.textContent = entry.title;
    link.addEventListener('click', function (event) {
      event.preventDefault();
      openPanel(entry);
    });
    item.appendChild(link);
    menu.appendChild(item);
  });
  menu.hidden = false;
  document.getElementById('panel').hidden = true;
}

function choiceRow(name) {
  var field = FIELDS[name];
  var row = document.createElement('div');
  row.className = 'row';
  var label = document.createElement('label');
  label.textContent = field.label;
  label.htmlFor = name;
  var select = document.createElement('select');
  select.id = name;
  field.choices.forEach(function (choice, index) {
    var option = document.createElement('option');
    option.value = String(index);
    option.textContent = choice;
    select.appendChild(option);
  });
  select.value = String(Math.min(readInt(field.offset), field.choices.length - 1));
  select.addEventListener('change', function () {
    writeInt(field.offset, Number(select.value));
    if (name === 'parking_mode_set' && select.value === '2') {
      Dashcam.userNoti('Parking mode\tTime lapse recording needs a constant power cable.\t' + NOTI_PARKING + '\t\t1');
    }
  });
  row.appendChild(label);
  row.appendChild(select);
  return row;
}

function languageRow() {
  var row = document.createElement('div');
  row.className = 'row';
  var label = document.createElement('label');
  label.textContent = 'Language';
  label.htmlFor = 'cur_language';
  var select = document.createElement('select');
  select.id = 'cur_language';
  languages.forEach(function (code, index) {
    var option = document.createElement('option');
    option.value = String(index);
    option.textContent = LANGUAGE_NAMES[code] || code;
    select.appendChild(option);
  });
  select.value = String(Math.max(0, languages.indexOf(language)));
  select.addEventListener('change', function () {
    writeInt(LANGUAGE_OFFSET, Number(select.value));
    language = languages[Number(select.value)];
  });
  row.appendChild(label);
  row.appendChild(select);
  return row;
}

function sendClock() {
  Dashcam.setdate(clock.date.replace(/-/g, '/'));
  Dashcam['setdate:hour'](clock.hour);
  Dashcam['setdate:min'](clock.minute);
  Dashcam['setdate:use'](clock.use ? '1' : '0');
}

function clockPanel(panel) {
  var row = document.createElement('div');
  row.className = 'row';
  row.innerHTML = '<label for="clock-date">Date and time</label>' +
    '<input id="clock-date" type="date"> <input id="clock-hour" type="number" min="0" max="23" size="2">' +
    ' : <input id="clock-minute" type="number" min="0" max="59" size="2">';
  panel.appendChild(row);
  var use = document.createElement('div');
  use.className = 'row';
  use.innerHTML = '<label for="clock-use">Set the camera\'s clock on saving</label><input id="clock-use" type="checkbox">';
  panel.appendChild(use);
  var date = document.getElementById('clock-date');
  var hour = document.getElementById('clock-hour');
  var minute = document.getElementById('clock-minute');
  var useBox = document.getElementById('clock-use');
  date.value = clock.date;
  hour.value = clock.hour;
  minute.value = clock.minute;
  useBox.checked = clock.use;
  function changed() {
    clock.date = date.value;
    clock.hour = ('0' + (hour.value || '0')).slice(-2);
    clock.minute = ('0' + (minute.value || '0')).slice(-2);
    clock.use = useBox.checked;
    sendClock();
  }
  [date, hour, minute, useBox].forEach(function (input) { input.addEventListener('change', changed); });
}

function adasPanel(panel) {
  var row = document.createElement('div');
  row.className = 'row';
  var button = document.createElement('button');
  button.id = 'adas-reset';
  button.textContent = 'Reset the lane calibration';
  button.addEventListener('click', function () {
    Dashcam.userNoti('Driver assistance\tReset the lane calibration? The camera calibrates again on the next drive.\t' +
                     NOTI_ADAS_ASK + '\tadas\t2');
  });
  row.appendChild(button);
  panel.appendChild(row);
}

function openPanel(entry) {
  var panel = document.getElementById('panel');
  panel.textContent = '';
  var title = document.createElement('h2');
  title.textContent = entry.title;
  panel.appendChild(title);
  (entry.fields || []).forEach(function (name) { panel.appendChild(choiceRow(name)); });
  if (entry.language) {
    panel.appendChild(languageRow());
  }
  if (entry.id === 'clock') {
    clockPanel(panel);
  }
  if (entry.id === 'adas') {
    adasPanel(panel);
  }
  document.getElementById('menu').hidden = true;
  panel.hidden = false;
  Dashcam.clickedList();
}

function update_ok(index, value) {
  if (index === NOTI_ADAS_ASK && value === 'adas') {
    Dashcam.adasreset();
    Dashcam.userNoti('Driver assistance\tThe lane calibration was reset.\t' + NOTI_ADAS_DONE + '\t\t1');
  }
}

function update_cancel(index) {
  Dashcam.log('alert ' + index + ' closed');
}

document.addEventListener('DOMContentLoaded', function () {
  document.getElementById('modelTitle').textContent = model.name + ' settings';
  Dashcam.docLoadComplete();
});
